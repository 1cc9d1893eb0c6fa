// The sound output of machines without sound: the rendered sound goes to a
// file as raw 16-bit stereo, in real time, from a thread of its own that
// calls the same render callback as the sound drivers do.
#pragma once

#include <fluidsynth.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace volemo {

class FileOutput {
 public:
  // Opens the file, emptied, and starts rendering; the sound goes into the
  // file from the first Restart. Throws std::system_error naming the file
  // when it cannot be opened.
  FileOutput(const std::string& path, fluid_audio_func_t render, void* data);
  ~FileOutput();
  FileOutput(const FileOutput&) = delete;
  FileOutput& operator=(const FileOutput&) = delete;

  // Empties the file: it holds the sound from here on.
  void Restart();
  // Ends the file once the sound has died away (the notes' release and the
  // reverb): nothing more is written until Restart.
  void Pause();
  // Empty while the sound reaches the file; otherwise the file and the
  // system's reason why writing failed, after which nothing renders.
  std::string Failure() const;

 private:
  void Run();

  std::string path_;
  int fd_;
  fluid_audio_func_t render_;
  void* data_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::atomic<bool> writing_{false};
  std::atomic<bool> ending_{false};
  std::string failure_;
  std::thread thread_;  // last: it starts once everything else is set
};

}  // namespace volemo
