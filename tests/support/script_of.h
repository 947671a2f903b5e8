// The script that one of the module's append builders writes on its own.
//
// The module only ever appends its fragments to a script being built; the
// tests look at one fragment at a time: scriptOf(appendHoldFragment, 10).
#pragma once

#include <string>

namespace zef::test {

template <typename Append, typename... Arguments>
std::string scriptOf(Append append, const Arguments&... arguments) {
  std::string script;
  append(script, arguments...);
  return script;
}

}  // namespace zef::test
