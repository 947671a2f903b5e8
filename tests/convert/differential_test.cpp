// The scanners against the tag patterns themselves: every short sequence over
// alphabets of the pieces that make up tags, and random longer texts, must be
// rewritten byte for byte as the std::regex reference rewrites them.
//
// The sizes are tuned so that the whole file runs in about 20 s in an
// optimised build with debug information; lower them for slow builds.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "convert/character_tags.h"
#include "convert/reference_convert.h"
#include "convert/utterance.h"

namespace zef {
namespace {

using Alphabet = std::vector<std::string_view>;

// Longest token sequences tried for each alphabet.
constexpr int broadSequenceLength = 4;
constexpr int hostCommandSequenceLength = 5;
constexpr int numberSequenceLength = 5;
constexpr int randomTextCount = 200000;
constexpr int randomTextMaxTokens = 60;
constexpr int longTextCount = 60;
constexpr std::size_t longTextShortest = 4096;
constexpr std::size_t longTextLongest = 16384;

// "\x95\\" is a Shift-JIS character whose trail byte is a backslash.
const Alphabet broadAlphabet = {
    "\\", "p[", "s[", "i[", "b[", "]", " ", "0", "7", "-", "zef", "set", "re", "alpha", "lock",
    "un", "repaint", "anim", "move", "__w[", "animation", "!", "4", "5", "\r", "\n", "\x95", "[",
};

// Host commands and their lazy spans, in bigger pieces so that whole tags fit.
const Alphabet hostCommandAlphabet = {
    "\\![", "\\![ ", "set", "reset", ",alpha", "sticky-window", "lock", "unlock", ",repaint",
    "]", "\n", "\\s[", "\\__w[animation", "\\p[0]", "x",
};

// Surface, balloon and scope tags with their numbers.
const Alphabet numberAlphabet = {
    "\\", "s[", "b[", "p[", " ", "0", "42", "9999999999", "-", "zef", "]", "\r", "\x95",
};

// The module states the texts are converted under: switch on and off, and
// surface and balloon offsets negative, zero, positive and at the limits.
struct Setting {
  bool enabled;
  std::int32_t characterScope;
  std::int32_t textScope;
  std::int32_t balloonOffset;
  std::vector<std::int32_t> surfaceOffsets;
};

const std::vector<Setting> settings = {
    {true, 1, 13, 2, {-5, 100}},
    {false, 0, 0, 2147483647, {-2147483647 - 1, 0}},
    {true, 0, -7, 2147483647, {2147483647}},
};

std::string printable(std::string_view text) {
  std::string out;
  for (const char byte : text) {
    const auto code = static_cast<unsigned char>(byte);
    if (code >= 0x20 && code < 0x7f) {
      out += byte;
    } else {
      static constexpr char hex[] = "0123456789abcdef";
      out += "\\x";
      out += hex[code >> 4];
      out += hex[code & 15];
    }
  }
  return out;
}

// Compares the rewriting of `text` under one of the settings (neighbouring
// texts take turns); returns false (after reporting) on a difference.
bool agreesWithReference(const std::string& text, std::size_t settingIndex) {
  const Setting& setting = settings[settingIndex % settings.size()];
  ModuleState state;
  state.enabled = setting.enabled;
  state.balloonOffset = setting.balloonOffset;
  state.surfaceOffsets = setting.surfaceOffsets;
  const std::string expected = reference::convertUtterance(state, setting.characterScope, setting.textScope, text);
  const std::string actual = convertUtterance(state, setting.characterScope, setting.textScope, text);
  if (actual == expected) return true;
  ADD_FAILURE() << "convertUtterance(enabled=" << setting.enabled << ", " << setting.characterScope << ", "
                << setting.textScope << ") of \"" << printable(text) << "\"\n  expected \"" << printable(expected)
                << "\"\n  actual   \"" << printable(actual) << "\"";
  return false;
}

// Every sequence of 0 to maxTokens tokens, as an odometer over token indices.
// Returns the number of texts tried, stopping at the first disagreement.
long compareAllSequences(const Alphabet& alphabet, int maxTokens) {
  long tried = 0;
  for (int length = 0; length <= maxTokens; ++length) {
    std::vector<std::size_t> digits(static_cast<std::size_t>(length), 0);
    while (true) {
      std::string text;
      for (const std::size_t digit : digits) text += alphabet[digit];
      if (!agreesWithReference(text, static_cast<std::size_t>(tried++))) return tried;
      std::size_t place = 0;
      while (place < digits.size() && ++digits[place] == alphabet.size()) digits[place++] = 0;
      if (place == digits.size()) break;
    }
  }
  return tried;
}

TEST(Differential, EverySequenceOfTagPieces) {
  const long tried = compareAllSequences(broadAlphabet, broadSequenceLength);
  RecordProperty("texts", std::to_string(tried));
}

TEST(Differential, EverySequenceOfHostCommandPieces) {
  const long tried = compareAllSequences(hostCommandAlphabet, hostCommandSequenceLength);
  RecordProperty("texts", std::to_string(tried));
}

TEST(Differential, EverySequenceOfNumberedTagPieces) {
  const long tried = compareAllSequences(numberAlphabet, numberSequenceLength);
  RecordProperty("texts", std::to_string(tried));
}

// The whole word, the word cut short at each place, and the word split there
// by a line break.
std::vector<std::string> wordAndNearMisses(std::string_view word) {
  std::vector<std::string> variants = {std::string(word)};
  for (std::size_t cut = 0; cut <= word.size(); ++cut) {
    variants.emplace_back(word.substr(0, cut));
    variants.push_back(std::string(word.substr(0, cut)) + "\n" + std::string(word.substr(cut)));
  }
  return variants;
}

TEST(Differential, EverySettingNameAndItsNearMisses) {
  const Alphabet around = {"", "]", "x]", "\n]", "\\![set,", "\\s[1]"};
  std::size_t index = 0;
  for (const std::string_view name : settingNames) {
    for (const std::string& word : wordAndNearMisses(name)) {
      for (const std::string_view before : around) {
        for (const std::string_view after : around) {
          const std::string text = "\\![set," + std::string(before) + word + std::string(after) + "]";
          if (!agreesWithReference(text, index++)) return;
        }
      }
    }
  }
}

// Each word of each opening's list, whole and missed narrowly, behind its
// opening with and without blanks, before whatever may complete or break it.
TEST(Differential, EveryCommandWordAndItsNearMisses) {
  const Alphabet blanks = {"", " ", "  "};
  const Alphabet after = {"", "]", "x]", "\n]", "async,1]", ",alpha]", ",repaint]", "\\s[1]]", "\\p[0]]"};
  std::size_t index = 0;
  for (const TagOpening& opening : characterTagOpenings) {
    for (const TagWord& tagWord : opening.words) {
      for (const std::string& word : wordAndNearMisses(tagWord.word)) {
        for (const std::string_view blank : blanks) {
          for (const std::string_view rest : after) {
            const std::string text =
                "a\\" + std::string(opening.bytes) + std::string(blank) + word + std::string(rest) + "b";
            if (!agreesWithReference(text, index++)) return;
          }
        }
      }
    }
  }
}

TEST(Differential, RandomLongerTexts) {
  // mt19937 is fully specified, so the texts are the same on every platform.
  std::mt19937 random(20261208);
  Alphabet pieces = broadAlphabet;
  pieces.insert(pieces.end(), hostCommandAlphabet.begin(), hostCommandAlphabet.end());
  pieces.insert(pieces.end(), numberAlphabet.begin(), numberAlphabet.end());
  for (int round = 0; round < randomTextCount; ++round) {
    const auto tokens = random() % randomTextMaxTokens;
    std::string text;
    for (std::uint32_t i = 0; i < tokens; ++i) {
      // Now and then a raw byte, so that no byte value is left out.
      if (random() % 16 == 0) {
        text += static_cast<char>(random() % 256);
      } else {
        text += pieces[random() % pieces.size()];
      }
    }
    if (!agreesWithReference(text, static_cast<std::size_t>(round))) return;
  }
}

// Utterances of 4 to 16 KiB, dense with `\![set,...]` and `\![lock...]` tags
// whose lazy spans end near or far, on lines of a few hundred bytes at most
// (the reference recurses once per byte of a line). Each crosses far more
// than the room reserved for its result, and some reach a scope tag and
// markers only near their end.
TEST(Differential, LongTextsDenseWithSettingAndLockTags) {
  std::mt19937 random(4096);
  const Alphabet pieces = {
      "\\![set,", "\\![reset,", "\\![ set,", ",alpha", "alpha", ",sticky-window", "zorder", "\\![lock,",
      "\\![unlock,", ",repaint", "repaint", "]", "]", "]", "x,50]", "\\s[3]", "\\s[ 12 ]", "\\b[0]",
      "\\i[2]", "\\4", "\\![move,--X=1]", "\\n", "\\w9", "Some words of talk. ", "\x95\\", ",",
  };
  const Alphabet lineBreaks = {"\n", "\r\n", "\r"};
  const Alphabet endings = {"", "\\p[0]\\s[5]\\p[zef]\\![set,alpha]", "\\p[ zef ]\\4"};
  for (int round = 0; round < longTextCount; ++round) {
    const std::size_t length = longTextShortest + random() % (longTextLongest - longTextShortest);
    std::string text;
    std::size_t lineStart = 0;
    while (text.size() < length) {
      if (text.size() - lineStart > 64 + random() % 256) {
        text += lineBreaks[random() % lineBreaks.size()];
        lineStart = text.size();
      }
      text += pieces[random() % pieces.size()];
    }
    text += endings[random() % endings.size()];
    if (!agreesWithReference(text, static_cast<std::size_t>(round))) return;
  }
}

}  // namespace
}  // namespace zef
