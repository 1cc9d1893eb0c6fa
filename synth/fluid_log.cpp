#include "fluid_log.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>

#include <cstdarg>
#include <cstdio>
#include <deque>
#include <mutex>

namespace volemo {
namespace {

struct Entry {
  uint64_t id;
  bool alsa;
  std::string text;
  std::thread::id thread;
  bool inRenderCallback;
};

// Whether this thread is inside the render callback now.
thread_local bool insideCallback = false;

// Messages arrive from the audio threads and the start-up thread as well as
// the caller's, so the list is shared under a lock. A short history is
// enough: a caller only asks about the operation it just ran.
std::mutex logMutex;
std::deque<Entry> entries;
uint64_t lastId = 0;
constexpr size_t kKept = 32;

void Record(bool alsa, std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  std::lock_guard lock(logMutex);
  entries.push_back({++lastId, alsa, std::move(text), std::this_thread::get_id(), insideCallback});
  if (entries.size() > kKept) entries.pop_front();
}

void OnFluidLog(int level, const char* message, void*) {
  if (level == FLUID_PANIC || level == FLUID_ERR) Record(false, message);
}

void OnAlsaError(const char*, int, const char*, int err, const char* fmt, ...) {
  char text[512];
  va_list args;
  va_start(args, fmt);
  std::vsnprintf(text, sizeof text, fmt, args);
  va_end(args);
  std::string message = text;
  if (err != 0) message += std::string(": ") + snd_strerror(err);
  Record(true, std::move(message));
}

// FluidSynth's error texts since mark that keep accepts, joined by " / ".
template <class Keep>
std::string JoinedErrorsSince(uint64_t mark, Keep keep) {
  std::lock_guard lock(logMutex);
  std::string joined;
  for (const Entry& e : entries) {
    if (e.id <= mark || e.alsa || !keep(e)) continue;
    if (!joined.empty()) joined += " / ";
    joined += e.text;
  }
  return joined;
}

}  // namespace

void CaptureFluidLog() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int level = 0; level < LAST_LOG_LEVEL; ++level)
      fluid_set_log_function(level, OnFluidLog, nullptr);
    snd_lib_error_set_handler(OnAlsaError);
  });
}

uint64_t FluidLogMark() {
  std::lock_guard lock(logMutex);
  return lastId;
}

std::string FluidErrorsSince(uint64_t mark) {
  return JoinedErrorsSince(mark, [](const Entry&) { return true; });
}

std::string OwnErrorsSince(uint64_t mark) {
  return JoinedErrorsSince(mark, [id = std::this_thread::get_id()](const Entry& e) { return e.thread == id; });
}

std::string DriverErrorsSince(uint64_t mark, std::thread::id thread) {
  return JoinedErrorsSince(mark, [&](const Entry& e) { return e.thread == thread && !e.inRenderCallback; });
}

InsideRenderCallback::InsideRenderCallback() { insideCallback = true; }
InsideRenderCallback::~InsideRenderCallback() { insideCallback = false; }

std::string AlsaErrorSince(uint64_t mark) {
  std::lock_guard lock(logMutex);
  for (auto it = entries.rbegin(); it != entries.rend() && it->id > mark; ++it)
    if (it->alsa) return it->text;
  return {};
}

}  // namespace volemo
