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

void SoundPlayer::Open(const std::string& midPath) {
  if (!Started()) std::rethrow_exception(failure_);
  ThrowIfFailed(module_->open(player_, midPath.c_str()));
}

void SoundPlayer::Play(int fromTick) {
  if (!Started()) std::rethrow_exception(failure_);
  ThrowIfFailed(module_->setLoop(player_, loop_ ? 1 : 0));
  ThrowIfFailed(module_->play(player_, fromTick));
}

// Without a module nothing can be open: there is nothing to stop or close,
// and no output that could have failed.
void SoundPlayer::Stop() {
  if (Started()) ThrowIfFailed(module_->stop(player_));
}

void SoundPlayer::Close() {
  if (Started()) ThrowIfFailed(module_->close(player_));
}

void SoundPlayer::SetLoop(bool loop) {
  loop_ = loop;
  if (Started()) ThrowIfFailed(module_->setLoop(player_, loop ? 1 : 0));
}

void SoundPlayer::CheckOutput() const {
  if (Started()) ThrowIfFailed(module_->checkOutput(player_));
}

bool SoundPlayer::IsOpen() const { return Started() && module_->isOpen(player_) != 0; }
bool SoundPlayer::IsPlaying() const { return Started() && module_->isPlaying(player_) != 0; }

int SoundPlayer::PositionTick() const { return Started() ? module_->positionTick(player_) : -1; }

}  // namespace volemo
