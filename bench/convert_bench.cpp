// The speed of rewriting one utterance, beside the std::regex reference and
// beside a plain copy of the same bytes.
//
// Typical talk: words with a tag about every 32 bytes (surface changes, waits,
// line breaks and `\![set,...]` of settings that stay with the balloon). The
// adversarial texts are the ones that make a backtracking matcher rescan a
// line for every tag, and one whose tags each find their setting name a few
// bytes on. The reference only runs at sizes its recursion survives.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <string>
#include <string_view>

#include "convert/reference_convert.h"
#include "convert/utterance.h"

namespace {

constexpr std::array<std::string_view, 8> talkPieces = {
    "Good morning, how are you today?\\s[5]",
    "It looks like rain this afternoon.\\w9",
    "\\![set,balloonoffset,10,20]I brought an umbrella.",
    "\\nShall we go for a walk anyway?\\s[12]",
    "The park is quiet at this hour.\\_w[300]",
    "\\![set,windowstate,stayontop]Let me think.",
    "\\s[ 3 ]Maybe we should take the bus.\\n",
    "\\b[1]Or just stay in and read a book.",
};

// The same kind of talk in Shift-JIS, as most ghosts speak; the third piece
// holds a character whose trail byte is a backslash.
constexpr std::array<std::string_view, 4> shiftJisTalkPieces = {
    "\x82\xa8\x82\xcd\x82\xe6\x82\xa4\x81\x41\x8c\xb3\x8b\x43\x82\xc5\x82\xb7\x82\xa9\x81\x48\\s[5]",
    "\\![set,balloonoffset,10,20]\x8d\xa1\x93\xfa\x82\xcd\x89\x4a\x82\xaa\x8d\x7e\x82\xe8\x82\xbb\x82\xa4\\w9",
    "\\n\x95\x5c\x82\xc9\x8f\x6f\x82\xe6\x82\xa4\x82\xa9\x81\x42\x8e\x50\x95\xe0\x82\xc5\x82\xb7\\_w[300]",
    "\\s[ 3 ]\x82\xe2\x82\xc1\x82\xcf\x82\xe8\x96\x7b\x82\xf0\x93\xc7\x82\xe0\x82\xa4\x81\x42\\b[1]",
};

template <std::size_t Count>
std::string talk(const std::array<std::string_view, Count>& pieces, std::size_t bytes) {
  std::string text;
  for (std::size_t i = 0; text.size() < bytes; ++i) text += pieces[i % pieces.size()];
  text.resize(bytes);
  return text;
}

std::string typicalTalk(std::size_t bytes) { return talk(talkPieces, bytes); }

constexpr std::array<std::string_view, 5> adversarialPieces = {
    "\\![set,x", "\\p[", "\\s[", "\\![lock", "\\![set,alpha,50]ab",
};

std::string adversarial(std::size_t kind, std::size_t bytes) {
  const std::string_view piece = adversarialPieces[kind];
  std::string text;
  while (text.size() < bytes) text += piece;
  text.resize(bytes);
  return text;
}

zef::ModuleState benchState() {
  zef::ModuleState state;
  state.balloonOffset = 2;
  state.surfaceOffsets = {0, 100};
  return state;
}

void convertTalk(benchmark::State& run) {
  const std::string text = typicalTalk(static_cast<std::size_t>(run.range(0)));
  const zef::ModuleState state = benchState();
  for (auto _ : run) benchmark::DoNotOptimize(zef::convertUtterance(state, 1, 13, text));
  run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations()) * run.range(0));
}

void convertShiftJisTalk(benchmark::State& run) {
  const std::string text = talk(shiftJisTalkPieces, static_cast<std::size_t>(run.range(0)));
  const zef::ModuleState state = benchState();
  for (auto _ : run) benchmark::DoNotOptimize(zef::convertUtterance(state, 1, 13, text));
  run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations()) * run.range(0));
}

void convertTalkByReference(benchmark::State& run) {
  const std::string text = typicalTalk(static_cast<std::size_t>(run.range(0)));
  const zef::ModuleState state = benchState();
  for (auto _ : run) benchmark::DoNotOptimize(zef::reference::convertUtterance(state, 1, 13, text));
  run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations()) * run.range(0));
}

void copyTalk(benchmark::State& run) {
  const std::string text = typicalTalk(static_cast<std::size_t>(run.range(0)));
  std::string copy(text.size(), '\0');
  for (auto _ : run) {
    std::memcpy(copy.data(), text.data(), text.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations()) * run.range(0));
}

// range(0): which adversarial piece; range(1): bytes.
void convertAdversarial(benchmark::State& run) {
  const auto kind = static_cast<std::size_t>(run.range(0));
  const std::string text = adversarial(kind, static_cast<std::size_t>(run.range(1)));
  const zef::ModuleState state = benchState();
  run.SetLabel(std::string(adversarialPieces[kind]));
  for (auto _ : run) benchmark::DoNotOptimize(zef::convertUtterance(state, 1, 13, text));
  run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations()) * run.range(1));
}

void convertAdversarialByReference(benchmark::State& run) {
  const auto kind = static_cast<std::size_t>(run.range(0));
  const std::string text = adversarial(kind, static_cast<std::size_t>(run.range(1)));
  const zef::ModuleState state = benchState();
  run.SetLabel(std::string(adversarialPieces[kind]));
  for (auto _ : run) benchmark::DoNotOptimize(zef::reference::convertUtterance(state, 1, 13, text));
  run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations()) * run.range(1));
}

constexpr std::int64_t kilobyte = 1024;

BENCHMARK(convertTalk)->Arg(kilobyte)->Arg(10 * kilobyte)->Arg(100 * kilobyte)->Arg(1024 * kilobyte);
BENCHMARK(convertShiftJisTalk)->Arg(10 * kilobyte)->Arg(1024 * kilobyte);
BENCHMARK(convertTalkByReference)->Arg(kilobyte)->Arg(10 * kilobyte)->Unit(benchmark::kMicrosecond);
BENCHMARK(copyTalk)->Arg(kilobyte)->Arg(10 * kilobyte)->Arg(100 * kilobyte)->Arg(1024 * kilobyte);
BENCHMARK(convertAdversarial)->ArgsProduct({{0, 1, 2, 3, 4}, {10 * kilobyte, 1024 * kilobyte}});
BENCHMARK(convertAdversarialByReference)->ArgsProduct({{0, 1, 2, 3, 4}, {10 * kilobyte}})->Unit(benchmark::kMicrosecond);

}  // namespace
