#include "piece_notes.h"

#include <algorithm>
#include <array>
#include <set>
#include <tuple>

#include "learn_error.h"
#include "message_text.h"
#include "player_error.h"
#include "translatable.h"

namespace volemo {
namespace {

constexpr int kBendCentre = 8192;

[[noreturn]] void Refuse(const std::string& name, const std::string& why) { throw LearnError(AboutFile(name, why)); }

// SMPTE time has no quarter notes: its ticks are read as at 120 beats a
// minute, the tempo a file without tempo changes plays at.
int TicksPerQuarter(uint16_t division) {
  if (!(division & 0x8000)) return division;
  const int fps = -static_cast<int8_t>(division >> 8);
  return std::max(1, fps * (division & 0xFF) / 2);
}

// Why the notes chosen are none.
std::string NoNotes(const NoteSelection& selection) {
  const std::string track = selection.track ? std::to_string(*selection.track) : "";
  const std::string channel = selection.channel ? std::to_string(*selection.channel) : "";
  if (selection.track && selection.channel)
    return FormatMessage(QT_TRANSLATE_NOOP("Message", "トラック %1・チャンネル %2にノートがありません。"), {track, channel});
  if (selection.track) return FormatMessage(QT_TRANSLATE_NOOP("Message", "トラック %1にノートがありません。"), {track});
  if (selection.channel) return FormatMessage(QT_TRANSLATE_NOOP("Message", "チャンネル %1にノートがありません。"), {channel});
  return QT_TRANSLATE_NOOP("Message", "ファイルにノートがありません。");
}

}  // namespace

PieceNotes ReadPieceNotes(const MidiFile& midi, const NoteSelection& selection, const std::string& name) {
  if (midi.format == 2) Refuse(name, QT_TRANSLATE_NOOP("Message", "形式 2 の MIDI ファイル（別々の曲の集まり）からは学べません。"));
  PieceNotes piece;
  piece.ticksPerQuarter = TicksPerQuarter(midi.division);
  piece.firstTempo = midi.firstTempo;
  piece.notes.reserve(static_cast<size_t>(midi.notes));
  // A track at a time: the notes still sounding, by channel and key (a
  // note-off ends the earliest of its key), and by channel for the bends,
  // which move the notes of their own track.
  std::array<std::vector<size_t>, 16 * 128> sounding;
  std::array<std::vector<size_t>, 16> open;
  std::array<int, 16> bend;
  int track = -1;
  std::set<int> used;
  bool drumsLeftOut = false;
  ForEachChannelMessage(midi, [&](const TimedEvent& e) {
    if (e.track != track) {
      for (auto& notes : sounding) notes.clear();
      for (auto& notes : open) notes.clear();
      bend.fill(kBendCentre);
      track = e.track;
    }
    if (selection.track && e.track + 1 != *selection.track) return;
    const int kind = e.bytes[0] & 0xF0, channel = e.bytes[0] & 0x0F;
    if (kind == 0xE0) {
      bend[channel] = e.bytes[1] | e.bytes[2] << 7;
      if (bend[channel] != kBendCentre)
        for (size_t i : open[channel]) piece.notes[i].bent = true;
      return;
    }
    if (kind != 0x90 && kind != 0x80) return;
    if (selection.channel ? channel + 1 != *selection.channel : channel == kDrumChannel) {
      drumsLeftOut |= !selection.channel && kind == 0x90 && e.bytes[2] > 0;
      return;
    }
    std::vector<size_t>& keyNotes = sounding[channel * 128 + e.bytes[1]];
    if (kind == 0x90 && e.bytes[2] > 0) {
      keyNotes.push_back(piece.notes.size());
      open[channel].push_back(piece.notes.size());
      piece.notes.push_back({e.tick, -1, e.bytes[1], e.bytes[2], bend[channel] != kBendCentre});
      used.insert(e.track + 1);
    } else if (!keyNotes.empty()) {
      const size_t i = keyNotes.front();
      keyNotes.erase(keyNotes.begin());
      piece.notes[i].length = e.tick - piece.notes[i].start;
      std::erase(open[channel], i);
    }
  });
  if (selection.track && (*selection.track < 1 || *selection.track > track + 1))
    Refuse(name, FormatMessage(QT_TRANSLATE_NOOP("Message", "トラック %1 はありません（音のあるトラックは %2 まで）。"),
                               {std::to_string(*selection.track), std::to_string(track + 1)}));
  // A note never ended lasts to the end of the file.
  for (PieceNote& n : piece.notes)
    if (n.length < 0) n.length = midi.lastTick - n.start;
  if (piece.notes.empty()) {
    if (drumsLeftOut) Refuse(name, QT_TRANSLATE_NOOP("Message", "ドラム（チャンネル 10）のノートしかありません（ドラムはチャンネル 10 を選ぶと読みます）。"));
    Refuse(name, NoNotes(selection));
  }
  std::stable_sort(piece.notes.begin(), piece.notes.end(), [](const PieceNote& a, const PieceNote& b) {
    return std::tie(a.start, a.key) < std::tie(b.start, b.key);
  });
  piece.tracks.assign(used.begin(), used.end());
  return piece;
}

PieceNotes ReadPieceNotes(const std::string& path, const NoteSelection& selection) {
  MidiFile midi;
  try {
    midi = ReadMidiFile(path);
  } catch (const PlayerError& e) {
    throw LearnError(e.what());  // it names the path
  }
  return ReadPieceNotes(midi, selection, path);
}

}  // namespace volemo
