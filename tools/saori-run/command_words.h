// The zef module's command words, as a ghost writes them in Argument0, and
// what each needs before it answers. saori-run's warnings and its preview
// read them from here.
#pragma once

#include <string>
#include <string_view>

namespace saori_run {

struct CommandWord {
  enum class Role {
    layoutStart,        // stores the settings and lays the balloon scopes out
    afterLayoutStart,   // answers empty until a layout start was accepted
    anyTime,
  };
  std::string_view word;
  Role role;
};

inline constexpr CommandWord commandWords[] = {
    {"firstZEF", CommandWord::Role::layoutStart},    {"startZEF", CommandWord::Role::layoutStart},
    {"ZEF", CommandWord::Role::afterLayoutStart},    {"settingZEF", CommandWord::Role::afterLayoutStart},
    {"changeZEF", CommandWord::Role::anyTime},
};

// The entry of `word` (compared byte for byte, as the module does), or null.
inline const CommandWord* findCommandWord(std::string_view word) {
  for (const CommandWord& known : commandWords) {
    if (known.word == word) return &known;
  }
  return nullptr;
}

inline bool isLayoutStart(std::string_view word) {
  const CommandWord* known = findCommandWord(word);
  return known != nullptr && known->role == CommandWord::Role::layoutStart;
}

// The words of one role for a message: "firstZEF or startZEF".
inline std::string wordsOfRole(CommandWord::Role role, std::string_view conjunction) {
  std::string words;
  for (const CommandWord& known : commandWords) {
    if (known.role != role) continue;
    if (!words.empty()) words.append(" ").append(conjunction).append(" ");
    words.append(known.word);
  }
  return words;
}

}  // namespace saori_run
