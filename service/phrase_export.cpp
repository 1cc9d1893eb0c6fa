#include "phrase_export.h"

#include <algorithm>

#include "file_contents.h"
#include "sound_format.h"
#include "sound_render.h"
#include "message_text.h"
#include "translatable.h"

namespace volemo {

MidiFile CompilePhrase(const std::string& mml) { return ParseMidiFile(CompileMml(mml)); }

bool CanExportTo(const std::string& path) {
  const std::string ext = LowerExtension(path);
  return ext == ".mid" || ext == ".mml" || SoundFormatOf(path) != SoundFormat::None;
}

void ExportPhrase(const std::string& mml, const std::string& path, const std::function<bool(double)>& stop) {
  const std::string ext = LowerExtension(path);
  if (ext == ".mml") return WriteWholeFile(path, mml);
  if (ext != ".mid" && SoundFormatOf(path) == SoundFormat::None)
    throw MakePlayerError(FormatMessage(QT_TRANSLATE_NOOP("Message", "\"%1\": .mid, .mml, .wav, .flac か .ogg のファイル名にしてください。"), {path}));
  const MidiFile midi = CompilePhrase(mml);
  if (ext == ".mid") return WriteWholeFile(path, midi.bytes);
  const double seconds = std::max(midi.seconds, 0.001);
  std::function<bool(double)> asked;
  if (stop) asked = [&](double rendered) { return stop(std::min(rendered / seconds, 1.0)); };
  RenderSound(midi, path, path, asked);
}

}  // namespace volemo
