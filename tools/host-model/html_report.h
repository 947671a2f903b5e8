// The preview page: one self-contained HTML file with one figure per request.
//
// Each figure is an inline SVG of the model desktop after the request's
// script ran: the characters, the dummy points labelled with their scope
// numbers, every shown balloon with its text and scope number, and below it
// the request's arguments, the events raised, the host notes (where the real
// host acts otherwise), its script and the state. The page loads nothing
// from anywhere.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host_state.h"

namespace zef::host_model {

// One request's figure. `arguments` are the request's arguments as UTF-8
// text; `script` is the result's bytes, in the charset of the model's state.
std::string renderFigure(int number, const std::vector<std::string>& arguments, std::string_view script,
                         const HostState& state);

// The whole page around the figures; `pageNotes` (UTF-8) say what the picture
// leaves out for the whole session.
std::string renderPage(std::string_view title, const std::vector<std::string>& pageNotes,
                       const std::vector<std::string>& figures);

// `text` (UTF-8) with the characters that HTML gives a meaning escaped.
std::string escapeHtml(std::string_view text);

}  // namespace zef::host_model
