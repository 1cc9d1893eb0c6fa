#include "voice_names.h"

namespace volemo {

// clang-format off
const std::array<const char*, 128> kVoiceNames = {
    "GrandPiano", "BrightPiano", "ElectricGrandPiano", "HonkyTonkPiano", "ElectricPiano1",
    "ElectricPiano2", "Harpsichord", "Clavi", "CelestaStrings", "Glockenspiel", "MusicBox",
    "Vibraphone", "Marimba", "Xylophone", "TubularBells", "Dulcimer", "DrawbarOrgan",
    "PercussiveOrgan", "RockOrgan", "ChurchOrgan", "ReedOrgan", "Accordion", "Hamonica",
    "TangoAccordion", "NylonGuitar", "SteelcGuitar", "JazzGuitar", "CleanGuitar", "MutedGuitar",
    "OverdrivenGuitar", "DistortionGuitar", "GuitarHarmonics", "AcousticBass", "FingerBass",
    "PickBass", "FretlessBass", "SlapBass1", "SlapBass2", "SynthBass1", "SynthBass2", "Violin",
    "Viola", "Cello", "Contrabass", "TremoloStrings", "PizzicatoStrings", "OrchestralHarp",
    "Timpani", "Strings1", "Strings2", "SynthStrings1", "SynthStrings2", "ChoirAahs", "VoiceOohs",
    "SynthVoice", "OrchestraHit", "Trumpet", "Trombone", "Tuba", "MutedTrumpet", "FrenchHorn",
    "BrassSection", "SynthBrass1", "SynthBrass2", "SopranoSax", "AltoSax", "TenorSax",
    "BaritoneSax", "Oboe", "EnglishHorn", "Bassoon", "Clarinet", "Piccolo", "Flute", "Recorder",
    "PanFlute", "BlownBottle", "Shakuhachi", "Whistle", "Ocarina", "SquareLead", "SawtoothLead",
    "CalliopeLead", "ChiffLead", "CharangLead", "VoiceLead", "FifthsLead", "BassLead", "NewAgePad",
    "WarmPad", "PolySynthPad", "ChoirPad", "BowedPad", "MetallicPad", "HaloPad", "SweepPad", "Rain",
    "SoundTrack", "Crystal", "Atmosphere", "Brightness", "Goblins", "Echoes", "Sci_Fi", "Sitar",
    "Banjo", "Shamisen", "Koto", "Kalimba", "Bagpipe", "Fiddle", "Shanai", "TibkleBell", "Agogo",
    "SteelDrums", "Woodblock", "TaikoDrum", "MelodicTom", "SynthDrum", "ReverseCymbal", "FretNoise",
    "BreathNoise", "Seashore", "BirdTweet", "TelephoneRing", "Helicopter", "Applause", "Gunshot",
};
// clang-format on

}  // namespace volemo
