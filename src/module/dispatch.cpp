// Choosing the command: its row in the command table decides.
#include "module/dispatch.h"

namespace zef {

CommandOutcome dispatchCommand(const ArgumentList& arguments, const ModuleState& state, Charset charset) {
  if (arguments.empty()) return {};
  const Command* command = findCommand(arguments[0]);
  if (command == nullptr) return {};
  if (!countFits(*command, arguments)) return {std::string(command->refusal.in(charset)), std::nullopt};
  if (command->needsStartedLayout && !state.layoutStarted) return {};
  return command->run(arguments, state, charset);
}

}  // namespace zef
