// The model desktop drawn as an inline SVG element.
#pragma once

#include <string>

#include "host_state.h"

namespace zef::host_model {

std::string renderDesktopSvg(const HostState& state);

}  // namespace zef::host_model
