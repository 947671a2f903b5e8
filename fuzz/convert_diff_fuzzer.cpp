// Fuzz target: the utterance rewriting's scanners against the std::regex
// reference, which states the same rewriting as the tag patterns. Any
// difference in output aborts.
//
// The input is a 13-byte head that picks the settings, then the utterance
// (at most 256 bytes: the reference backtracks and is slow on longer text):
//   byte 0       bit 0: conversion switch; bits 1-2: the character scope
//                (0 and 1 have surface offsets, 2 and 3 have none)
//   bytes 1-4    surface offset of character 0 (little-endian, any value)
//   bytes 5-8    balloon offset (the state keeps it at least 0)
//   bytes 9-12   text scope
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "convert/reference_convert.h"
#include "convert/utterance.h"
#include "base/module_state.h"

namespace {

constexpr std::size_t headSize = 13;
constexpr std::size_t longestUtterance = 256;

std::int32_t readInt32(const std::uint8_t* bytes) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | bytes[i];
  return static_cast<std::int32_t>(value);
}

void expectSame(const char* what, std::string_view text, const std::string& module, const std::string& reference) {
  if (module == reference) return;
  std::fprintf(stderr, "%s differs\n  text:      [%.*s]\n  module:    [%s]\n  reference: [%s]\n", what,
               static_cast<int>(text.size()), text.data(), module.c_str(), reference.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < headSize || size - headSize > longestUtterance) return -1;  // not worth keeping
  const std::string_view text(reinterpret_cast<const char*>(data) + headSize, size - headSize);

  const std::int32_t surfaceOffset = readInt32(data + 1);
  const std::int32_t balloonOffset = readInt32(data + 5);
  const std::int32_t textScope = readInt32(data + 9);
  const std::int32_t characterScope = (data[0] >> 1) & 3;

  zef::ModuleState state;
  state.enabled = (data[0] & 1) != 0;
  state.balloonOffset = zef::bounded(zef::settingNamed("balloonOffset"), balloonOffset);
  // Character 1's offset differs from character 0's, so a wrong pick shows.
  state.surfaceOffsets = {surfaceOffset, static_cast<std::int32_t>(static_cast<std::uint32_t>(surfaceOffset) ^ 0x5a5au)};
  state.layoutStarted = true;

  expectSame("convertUtterance", text, zef::convertUtterance(state, characterScope, textScope, text),
             zef::reference::convertUtterance(state, characterScope, textScope, text));
  return 0;
}
