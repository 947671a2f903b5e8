// The text of a SAORI/1.0 EXECUTE request, written by the tools' one
// request writer with the sender "test".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "saori_request.h"

namespace zef::test {

// A request carrying `arguments` as Argument0, Argument1, ... with the
// Charset line naming `charset`.
template <typename Argument = std::string>
std::string requestText(const std::vector<Argument>& arguments, std::string_view charset = "Shift_JIS") {
  return saori::request(arguments, charset, "test");
}

}  // namespace zef::test
