// The preview page: one self-contained HTML file with one figure per request.
//
// Each figure is an inline SVG of the model desktop after the request's
// script ran: the characters, the dummy points labelled with their scope
// numbers, every shown balloon with its text and scope number, and below it
// the request's arguments, the events raised, the host notes (where the real
// host acts otherwise), the choices offered with what each one runs
// (numbered for saori-run's @choose), its script and the state. The page loads nothing
// from anywhere.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host_model.h"

namespace zef::host_model {

// One figure: `id` names it in the page (page.html#ID shows it alone),
// `what` says what ran as a sentence reads it ("request 3", "choice 1"; the
// caption opens with it capitalized), `arguments` are the request's arguments
// or the choice's title as UTF-8 text, and `script` is the script's bytes, in
// the charset of the model's state, as are the ghost's `words` around it.
std::string renderFigure(std::string_view id, std::string_view what, const std::vector<std::string>& arguments,
                         std::string_view script, const HostState& state, const GhostWords& words = {});

// The whole page around the figures; `pageNotes` (UTF-8) say what the picture
// leaves out for the whole session.
std::string renderPage(std::string_view title, const std::vector<std::string>& pageNotes,
                       const std::vector<std::string>& figures);

// `text` (UTF-8) with the characters that HTML gives a meaning escaped.
std::string escapeHtml(std::string_view text);

}  // namespace zef::host_model
