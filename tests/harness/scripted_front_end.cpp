#include "scripted_front_end.h"

namespace standin {

std::int32_t ScriptedFrontEnd::ShowMessage(std::string_view title, std::string_view text, std::int32_t style) {
  messages.push_back({std::string(title), std::string(text), style});
  if (onMessage) onMessage(messages.back());
  return 1;
}

std::int32_t ScriptedFrontEnd::RunDialog(void* templateSet, std::int32_t number, void* buffer) {
  dialogsRun.push_back(number);
  if (dialogActions.empty()) return 0;
  DialogAction action = std::move(dialogActions.front());
  dialogActions.pop_front();
  return action ? action(templateSet, number, buffer) : 0;
}

void ScriptedFrontEnd::Sound(std::int32_t frequency, std::int32_t duration, std::int32_t flags) {
  tones.push_back({frequency, duration, flags});
}

}  // namespace standin
