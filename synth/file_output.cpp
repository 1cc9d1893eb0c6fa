#include "file_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <vector>

#include "output_level.h"

namespace volemo {
namespace {

constexpr int kPeriodFrames = 256;  // 5.8 ms, as ALSA's periods

// Empty when every byte was written, else the system's reason.
std::string WriteAll(int fd, const char* bytes, size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return std::strerror(n < 0 ? errno : EIO);
    bytes += n;
    size -= static_cast<size_t>(n);
  }
  return {};
}

}  // namespace

FileOutput::FileOutput(const std::string& path, fluid_audio_func_t render, void* data)
    : path_(path),
      // Appending, so that a period written while Restart empties the file
      // lands at its start instead of leaving a hole.
      fd_(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644)),
      render_(render),
      data_(data) {
  if (fd_ < 0) throw std::system_error(errno, std::generic_category(), path);
  thread_ = std::thread(&FileOutput::Run, this);
}

FileOutput::~FileOutput() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_one();
  thread_.join();
  close(fd_);
}

void FileOutput::Restart() {
  // Fails only on a device such as /dev/null, which has nothing to empty.
  [[maybe_unused]] const int failed = ftruncate(fd_, 0);
  ending_ = false;
  writing_ = true;
}

void FileOutput::Pause() { ending_ = true; }

std::string FileOutput::Failure() const {
  std::lock_guard lock(mutex_);
  return failure_;
}

void FileOutput::Run() {
  std::vector<float> left(kPeriodFrames), right(kPeriodFrames);
  float* out[] = {left.data(), right.data()};
  std::vector<int16_t> pcm(2 * kPeriodFrames);
  const auto period = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
      std::chrono::duration<double>(kPeriodFrames / kSampleRate));
  auto next = std::chrono::steady_clock::now();
  std::unique_lock lock(mutex_);
  while (!stop_) {
    lock.unlock();
    render_(data_, kPeriodFrames, 0, nullptr, 2, out);
    // The callback has bent the sound below full scale already.
    for (int i = 0; i < kPeriodFrames; ++i) {
      pcm[2 * i] = static_cast<int16_t>(std::lrint(left[i] * 32767.0f));
      pcm[2 * i + 1] = static_cast<int16_t>(std::lrint(right[i] * 32767.0f));
    }
    // Samples are little-endian on every machine this builds for.
    const std::string why =
        writing_ ? WriteAll(fd_, reinterpret_cast<const char*>(pcm.data()), pcm.size() * 2) : std::string();
    if (ending_ && std::all_of(pcm.begin(), pcm.end(), [](int16_t s) { return s == 0; })) writing_ = false;
    lock.lock();
    if (!why.empty()) {
      failure_ = path_ + ": " + why;
      return;
    }
    next += period;
    wake_.wait_until(lock, next, [this] { return stop_; });
  }
}

}  // namespace volemo
