// Saved state is the phrase the listener hears, not a seed that would make
// a new one: a session reloads the same notes whatever the composer does by
// then. The seed, re-rolls and settings come along for what follows
// (another re-roll, the next seed).
#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>
#include <exception>
#include <string>
#include <string_view>

#include "cp932.h"
#include "plugin.h"
#include "plugin_extensions.h"

namespace volemo::lv2 {
namespace {

constexpr uint32_t kStoreFlags = LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE;

// "name=value" lines: the settings by the window's control names, the
// part ports by their symbols.
std::string SettingsText(const PhraseRequest& request) {
  std::string text;
  for (uint32_t i = 0; i < kSettingCount; ++i)
    text += std::string(kSettingPorts[i].control) + '=' + std::to_string(request.settings[i]) + '\n';
  for (uint32_t i = 0; i < kPartPortCount; ++i)
    text += std::string(kPartPorts[i].symbol) + '=' + std::to_string(request.parts[i]) + '\n';
  return text;
}

// Lines naming no setting, or without a number, leave the default.
void ReadSettingsText(std::string_view text, PhraseRequest& request) {
  while (!text.empty()) {
    const std::string_view line = text.substr(0, text.find('\n'));
    text.remove_prefix(std::min(text.size(), line.size() + 1));
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view name = line.substr(0, equals), number = line.substr(equals + 1);
    int32_t* target = nullptr;
    for (uint32_t i = 0; i < kSettingCount; ++i)
      if (kSettingPorts[i].control == name) target = &request.settings[i];
    for (uint32_t i = 0; i < kPartPortCount; ++i)
      if (kPartPorts[i].symbol == name) target = &request.parts[i];
    int32_t value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (target && error == std::errc() && end == number.data() + number.size()) *target = value;
  }
}

template <typename T>
const T* Retrieve(LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle, LV2_URID key, LV2_URID type) {
  size_t size = 0;
  uint32_t valueType = 0, flags = 0;
  const void* value = retrieve(handle, key, &size, &valueType, &flags);
  if (!value || valueType != type || size < sizeof(T)) return nullptr;
  return static_cast<const T*>(value);
}

// A saved text need not end with its zero: what stands within its size.
std::optional<std::string> RetrieveText(LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle,
                                        LV2_URID key, LV2_URID stringType) {
  size_t size = 0;
  uint32_t valueType = 0, flags = 0;
  const auto* value = static_cast<const char*>(retrieve(handle, key, &size, &valueType, &flags));
  if (!value || valueType != stringType) return std::nullopt;
  return std::string(value, strnlen(value, size));
}

LV2_State_Status Save(LV2_Handle handle, LV2_State_Store_Function store, LV2_State_Handle target, uint32_t,
                      const LV2_Feature* const*) {
  Plugin& plugin = *static_cast<Plugin*>(handle);
  const Urids& u = plugin.urids;
  std::string mml;
  PhraseRequest request;
  int64_t passTicks = 0;
  {
    const std::lock_guard<std::mutex> hold(plugin.phrasesLock);
    const LoopPhrase* phrase = plugin.latest.load();
    if (!phrase) return LV2_STATE_ERR_UNKNOWN;
    mml = Utf8FromCp932(phrase->mml);
    request = phrase->request;
    passTicks = phrase->passTicks;
  }
  const std::string settings = SettingsText(request);
  const int64_t seed = request.seed, portSeed = request.portSeed;
  const int32_t rerolls = request.rerolls;
  LV2_State_Status status = store(target, u.stateMml, mml.c_str(), mml.size() + 1, u.atomString, kStoreFlags);
  if (status == LV2_STATE_SUCCESS) status = store(target, u.stateSeed, &seed, sizeof seed, u.atomLong, kStoreFlags);
  if (status == LV2_STATE_SUCCESS)
    status = store(target, u.statePortSeed, &portSeed, sizeof portSeed, u.atomLong, kStoreFlags);
  if (status == LV2_STATE_SUCCESS)
    status = store(target, u.stateRerolls, &rerolls, sizeof rerolls, u.atomInt, kStoreFlags);
  if (status == LV2_STATE_SUCCESS)
    status = store(target, u.stateSettings, settings.c_str(), settings.size() + 1, u.atomString, kStoreFlags);
  if (status == LV2_STATE_SUCCESS)
    status = store(target, u.statePassTicks, &passTicks, sizeof passTicks, u.atomLong, kStoreFlags);
  return status;
}

LV2_State_Status Restore(LV2_Handle handle, LV2_State_Retrieve_Function retrieve, LV2_State_Handle source,
                         uint32_t, const LV2_Feature* const*) {
  Plugin& plugin = *static_cast<Plugin*>(handle);
  const Urids& u = plugin.urids;
  const std::optional<std::string> mml = RetrieveText(retrieve, source, u.stateMml, u.atomString);
  if (!mml) return LV2_STATE_ERR_NO_PROPERTY;
  PhraseRequest request = plugin.maker->DefaultRequest();
  if (const auto* seed = Retrieve<int64_t>(retrieve, source, u.stateSeed, u.atomLong))
    request.seed = static_cast<uint32_t>(*seed) & kMaxPortSeed;
  if (const auto* seed = Retrieve<int64_t>(retrieve, source, u.statePortSeed, u.atomLong))
    request.portSeed = static_cast<uint32_t>(*seed) & kMaxPortSeed;
  if (const auto* rerolls = Retrieve<int32_t>(retrieve, source, u.stateRerolls, u.atomInt))
    request.rerolls = *rerolls;
  if (const auto settings = RetrieveText(retrieve, source, u.stateSettings, u.atomString))
    ReadSettingsText(*settings, request);
  request.generation = plugin.requested.generation + 1;
  // Sessions saved before the pass length was kept hold a pass of the steps.
  int64_t passTicks = 0;
  if (const auto* ticks = Retrieve<int64_t>(retrieve, source, u.statePassTicks, u.atomLong))
    passTicks = std::max<int64_t>(*ticks, 0);

  LoopPhrase* phrase = nullptr;
  try {
    phrase = new LoopPhrase(plugin.maker->FromMml(request, Cp932FromUtf8(*mml), passTicks));
  } catch (const std::exception& e) {
    lv2_log_error(&plugin.logger, "Volemo: the saved phrase cannot be played: %s\n", e.what());
    return LV2_STATE_ERR_UNKNOWN;
  }
  // Restoring never runs beside run(): the audio thread's fields are ours.
  plugin.requested = request;
  plugin.unsent = false;
  plugin.controlsSeen = false;
  const std::lock_guard<std::mutex> hold(plugin.phrasesLock);
  for (const LoopEvents* old : plugin.timeline.Replace(phrase)) delete old;
  plugin.latest = phrase;
  return LV2_STATE_SUCCESS;
}

}  // namespace

const LV2_State_Interface kStateInterface = {Save, Restore};

}  // namespace volemo::lv2
