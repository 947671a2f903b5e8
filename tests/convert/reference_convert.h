// The utterance rewriting done the slow, obvious way: the tag patterns as
// ECMAScript regular expressions, run by std::regex. Only the tests (and the
// benchmark, for comparison) use it: the standard engine backtracks with one
// level of recursion per byte and takes quadratic time on these patterns, so
// it must never see a long utterance inside the module. The scanners of
// src/convert/ have to find exactly the matches that these patterns find.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/module_state.h"

namespace zef::reference {

// The patterns, byte for byte as the pattern compiler receives them.
inline constexpr const char* scopeTagPattern = "\\\\p\\[.*?\\]";
inline constexpr const char* characterTagPattern =
    "(\\\\((s\\[|i\\[|!\\[ *(anim|bind|(un)?lock.*?repaint|(re)?set.*?"
    "(alignmenttodesktop|scaling|alpha|position|zorder|sticky-window)|effect|filter|move)"
    "|__w\\[ *animation).*?\\]|s\\d|[45]))";
inline constexpr const char* markerPattern = "\\\\p\\[ *zef *\\]";
inline constexpr const char* surfaceTagPattern = "\\\\s\\[ *(\\d+) *\\]";
inline constexpr const char* balloonTagPattern = "\\\\b\\[ *(\\d+) *\\]";

std::string convertUtterance(const ModuleState& state, std::int32_t characterScope, std::int32_t textScope,
                             std::string_view text);

}  // namespace zef::reference
