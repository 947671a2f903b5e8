// A choice that runs a script when the user picks it, written the way the
// host reads it:
//
//   appendScriptChoice(out, "30", "\\p[10]\\![raise,settingZEF]");
//   // out gains \q[30,"script:\p[10]\![raise,settingZEF]"]
//
// The host splits a tag's bracket at its commas from the second argument on,
// unless that argument is wrapped whole in double quotes; inside the quotes a
// "]" does not close the tag and a `"` is written twice. A choice script
// holds commas (between the options of every move), so it is always quoted,
// and it is written as plain script, its "]" unescaped.
#pragma once

#include <string>
#include <string_view>

namespace zef {

// `title` is written as it is: the first argument is never quoted, so it must
// hold no "," and no "]".
inline void appendScriptChoice(std::string& out, std::string_view title, std::string_view script) {
  out += "\\q[";
  out += title;
  out += ",\"script:";
  for (std::size_t quote = script.find('"'); quote != std::string_view::npos; quote = script.find('"')) {
    out.append(script.substr(0, quote + 1));
    out += '"';
    script.remove_prefix(quote + 1);
  }
  out += script;
  out += "\"]";
}

}  // namespace zef
