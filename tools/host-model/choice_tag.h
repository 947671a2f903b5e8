// A choice tag \q[TITLE,TARGET] as the host reads it: the title it shows, and
// the event that picking it raises or the script that picking it runs.
//
//   \q[End,OnSettingZEF]                  "End" raises OnSettingZEF
//   \q[30,"script:\p[10]\![raise,a]"]     "30" runs \p[10]\![raise,a]
//   \q[30,script:\p[10\]\![raise,a\]]     "30" runs \p[10]\![raise -- the host
//                                         cut the unquoted script at its comma
#pragma once

#include <string>
#include <string_view>

#include <vector>

#include "script_tokens.h"

namespace zef::host_model {

struct ChoiceTag {
  std::string title;
  std::string target;       // the event, or the script as the host gets it
  bool runsScript = false;  // the target began with "script:"
  bool cutAtComma = false;  // an unquoted script that a comma cut short
};

// Reads the tag's arguments (Token::arguments, or readArguments of the raw
// text between its brackets).
ChoiceTag readChoiceTag(const std::vector<Argument>& arguments);

}  // namespace zef::host_model
