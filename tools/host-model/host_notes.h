// The host notes in words, in English and in Japanese: what the real host
// does with a noted command, and what the picture does instead; or where the
// picture puts a balloon. A note on something zef writes says what the
// author can change.
#pragma once

#include <string>

#include "host_state.h"

namespace zef::host_model {

enum class Language { english, japanese };

// What follows the command in a note: where it ran, how many more there
// were, and what the host does with it; for a balloon's note, the whole
// note. UTF-8.
std::string noteRemark(const HostNote& note, Language language = Language::english);

// The whole note: the command as written (in `charset`, shown as UTF-8),
// then its remark.
std::string noteText(const HostNote& note, Charset charset, Language language = Language::english);

}  // namespace zef::host_model
