#include "sound_player.h"

#include "playback_module.h"
#include "player_error.h"

namespace volemo {

SoundPlayer::SoundPlayer() {
  start_ = std::thread([this] {
    try {
      const VolemoPlayback& module = PlaybackModule();
      ThrowIfFailed(module.newPlayer(&player_));
      module_ = &module;
    } catch (...) {
      failure_ = std::current_exception();
    }
  });
}

SoundPlayer::~SoundPlayer() {
  if (start_.joinable()) start_.join();
  if (player_) module_->deletePlayer(player_);
}

bool SoundPlayer::Started() const {
  if (start_.joinable()) start_.join();
  return player_ != nullptr;
}

void SoundPlayer::Open(const MidiFile& midi) {
  ++opens_;
  if (builtin_) {
    if (!Started()) std::rethrow_exception(failure_);
    ThrowIfFailed(module_->open(player_, reinterpret_cast<const uint8_t*>(midi.bytes.data()), midi.bytes.size()));
  }
  if (port_) port_->Open(midi);
}

void SoundPlayer::Play(int fromTick) {
  if (builtin_) {
    if (!Started()) std::rethrow_exception(failure_);
    ThrowIfFailed(module_->setLoop(player_, loop_ ? 1 : 0));
    ThrowIfFailed(module_->play(player_, fromTick));
  }
  if (port_) port_->Play(fromTick);
}

// Without a module nothing can be open: there is nothing to stop or close,
// and no output that could have failed.
void SoundPlayer::Stop() {
  if (port_) port_->Stop();
  if (Started()) ThrowIfFailed(module_->stop(player_));
}

void SoundPlayer::Close() {
  if (port_) port_->Close();
  if (Started()) ThrowIfFailed(module_->close(player_));
}

void SoundPlayer::SetLoop(bool loop) {
  loop_ = loop;
  if (port_) port_->SetLoop(loop);
  if (Started()) ThrowIfFailed(module_->setLoop(player_, loop ? 1 : 0));
}

void SoundPlayer::SetOutput(bool builtin, const std::string& port) {
  builtin_ = true;
  if (OutputPort() != port) {
    if (port_) port_->Close();
    port_.reset();
    if (port.empty()) return;
    port_ = std::make_unique<PortPlayer>(port);
    port_->SetLoop(loop_);
    port_->SetFollowTransport(follow_);
    port_->SetClock(clock_);
  }
  builtin_ = builtin || !port_;
}

void SoundPlayer::SetFollowTransport(bool follow) {
  follow_ = follow;
  if (port_) port_->SetFollowTransport(follow);
}

void SoundPlayer::SetClock(bool clock) {
  clock_ = clock;
  if (port_) port_->SetClock(clock);
}

std::string SoundPlayer::TakePortFailure() {
  if (!port_) return {};
  std::string why = port_->Failure();
  if (!why.empty()) {
    port_.reset();
    builtin_ = true;
  }
  return why;
}

void SoundPlayer::CheckOutput() const {
  if (builtin_ && Started()) ThrowIfFailed(module_->checkOutput(player_));
}

bool SoundPlayer::IsOpen() const {
  return builtin_ ? Started() && module_->isOpen(player_) != 0 : port_ && port_->IsOpen();
}

bool SoundPlayer::IsPlaying() const {
  return (builtin_ && Started() && module_->isPlaying(player_) != 0) || (port_ && port_->IsPlaying());
}

int SoundPlayer::PositionTick() const {
  if (builtin_) return Started() ? module_->positionTick(player_) : -1;
  return port_ ? port_->PositionTick() : -1;
}

}  // namespace volemo
