#include <cstring>
#include <exception>

#include "plugin.h"
#include "plugin_extensions.h"

namespace volemo::lv2 {
namespace {

LV2_Worker_Status Work(LV2_Handle handle, LV2_Worker_Respond_Function respond, LV2_Worker_Respond_Handle target,
                       uint32_t size, const void* data) {
  Plugin& plugin = *static_cast<Plugin*>(handle);
  if (size != sizeof(WorkMessage)) return LV2_WORKER_ERR_UNKNOWN;
  // The host's ring buffer gives no alignment: the message is copied out.
  WorkMessage message;
  std::memcpy(&message, data, sizeof message);
  if (message.kind == WorkMessage::Free) {
    plugin.Delete(message.phrase);
    return LV2_WORKER_SUCCESS;
  }
  WorkAnswer answer{nullptr};
  try {
    answer.phrase = new LoopPhrase(plugin.maker->Compose(message.request));
  } catch (const std::exception& e) {
    lv2_log_error(&plugin.logger, "Volemo: cannot compose the phrase: %s\n", e.what());
  }
  if (respond(target, sizeof answer, &answer) != LV2_WORKER_SUCCESS) {
    delete answer.phrase;
    return LV2_WORKER_ERR_NO_SPACE;
  }
  return LV2_WORKER_SUCCESS;
}

LV2_Worker_Status Respond(LV2_Handle handle, uint32_t size, const void* data) {
  if (size != sizeof(WorkAnswer)) return LV2_WORKER_ERR_UNKNOWN;
  WorkAnswer answer;
  std::memcpy(&answer, data, sizeof answer);
  static_cast<Plugin*>(handle)->Answer(answer);
  return LV2_WORKER_SUCCESS;
}

}  // namespace

const LV2_Worker_Interface kWorkerInterface = {Work, Respond, nullptr};

}  // namespace volemo::lv2
