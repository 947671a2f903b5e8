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

#include "text_charset.h"

namespace zef::host_model {

struct ChoiceTag {
  std::string title;
  std::string target;       // the event, or the script as the host gets it
  bool runsScript = false;  // the target began with "script:"
  bool cutAtComma = false;  // an unquoted script that a comma cut short
};

// Reads the raw text between the tag's brackets.
ChoiceTag readChoiceTag(std::string_view bracket, Charset charset);

}  // namespace zef::host_model
