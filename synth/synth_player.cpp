#include "synth_player.h"

#include <fluidsynth.h>

#include <utility>

#include "fluid_log.h"
#include "note_release.h"
#include "shared_synth.h"
#include "translatable.h"

namespace volemo {

SynthPlayer::SynthPlayer() : shared_(SharedSynth::Get()) {}

SynthPlayer::~SynthPlayer() { Close(); }

void SynthPlayer::Open(const std::string& midPath) {
  Close();  // also when the file cannot be read
  Open(ReadMidiFile(midPath));
}

void SynthPlayer::Open(MidiFile file) {
  Close();
  shared_.Ready();
  shared_.HoldVoicesOf(file);
  file_ = std::move(file);
}

void SynthPlayer::Play(int fromTick) {
  if (!file_) throw MakePlayerError(QT_TRANSLATE_NOOP("Message", "演奏を開始できません（MIDI ファイルが開かれていません）。"));
  fluid_synth_t* synth = shared_.Ready();
  const uint64_t mark = FluidLogMark();
  bool started = false;
  try {
    // A FluidSynth player that has played once cannot start over, so every
    // play gets a fresh one, and the synthesizer a reset: the last phrase's
    // voice, bend and controllers never leak into this one.
    shared_.Hold([&] {
      if (player_) delete_fluid_player(player_);
      fluid_synth_system_reset(synth);
      player_ = new_fluid_player(synth);
      if (!player_) return;
      // A play that ends by itself ends a file's sound as a stop does; a
      // loop goes on.
      releaseAtEnd_ = std::make_unique<ReleaseAtEnd>(player_, synth, file_->lastTick, [this] {
        if (!loop_) shared_.EndSound();
      });
      fluid_player_set_loop(player_, loop_ ? -1 : 1);
      started = fluid_player_add_mem(player_, file_->bytes.data(), file_->bytes.size()) == FLUID_OK &&
                (fromTick <= 0 || fluid_player_seek(player_, fromTick) == FLUID_OK) &&
                fluid_player_play(player_) == FLUID_OK;
    }, AudioOutput::Sound::Starts);
  } catch (...) {
    DeleteFluidPlayer();
    throw;
  }
  if (!started) {
    DeleteFluidPlayer();
    throw MakePlayerError(QT_TRANSLATE_NOOP("Message", "演奏を開始できません。"), FluidErrorsSince(mark));
  }
}

void SynthPlayer::DeleteFluidPlayer() {
  if (!player_) return;
  fluid_player_t* player = std::exchange(player_, nullptr);
  fluid_synth_t* synth = shared_.Synth();
  const auto tearDown = [&] {
    delete_fluid_player(player);
    releaseAtEnd_.reset();
    ReleaseAllNotes(synth);
  };
  if (shared_.Rendering()) {
    shared_.Hold(tearDown, AudioOutput::Sound::Ends);
  } else {
    tearDown();
  }
}

void SynthPlayer::Stop() { DeleteFluidPlayer(); }

void SynthPlayer::SetLoop(bool loop) {
  loop_ = loop;
  if (!player_) return;
  const auto set = [&] { fluid_player_set_loop(player_, loop ? -1 : 1); };
  if (shared_.Rendering()) {
    shared_.Hold(set);
  } else {
    set();
  }
}

void SynthPlayer::Close() {
  file_.reset();
  DeleteFluidPlayer();
}

int SynthPlayer::PositionTick() const {
  return player_ ? fluid_player_get_current_tick(player_) : -1;
}

bool SynthPlayer::IsPlaying() const {
  if (!player_ || !shared_.Rendering() || fluid_player_get_status(player_) != FLUID_PLAYER_PLAYING)
    return false;
  // FluidSynth's player keeps "playing" two seconds past the end; the phrase
  // has ended once its last tick is reached and no voice sounds any more.
  return fluid_player_get_current_tick(player_) < file_->lastTick ||
         fluid_synth_get_active_voice_count(shared_.Synth()) > 0;
}

void SynthPlayer::CheckOutput() const {
  if (!player_) return;
  if (const std::string why = shared_.OutputFailure(); !why.empty())
    throw MakePlayerError(QT_TRANSLATE_NOOP("Message", "演奏中に音声出力が止まりました。"), why);
}

}  // namespace volemo
