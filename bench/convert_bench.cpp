// The speed of rewriting one utterance, beside the std::regex reference and
// beside a plain copy of the same bytes.
//
// Typical talk: words with a tag about every 32 bytes (surface changes, waits,
// line breaks and `\![set,...]` of settings that stay with the balloon). The
// adversarial texts are the shapes of tests/convert/adversarial_test.cpp:
// tags that never close, spans that wait for one far word, spans that end a
// few bytes on, long blank runs, and every kind of tag at once. Each is
// measured at 10 KiB and 1 MiB, so that time per byte shows whether the
// rewriting stays linear; the reference only runs at 10 KiB and less, sizes
// its recursion survives.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <initializer_list>
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

// An adversarial text: `opening`, then `piece` repeated, then `closing`, of
// about `bytes` in all.
struct Shape {
  std::string_view opening;
  std::string_view piece;
  std::string_view closing;

  std::string text(std::size_t bytes) const {
    std::string text(opening);
    while (text.size() + closing.size() < bytes) text += piece;
    return text + std::string(closing);
  }
  // The shape with its line breaks spelt out.
  std::string label() const {
    std::string label;
    for (const char byte : std::string(opening) + "(" + std::string(piece) + ")*" + std::string(closing)) {
      label += byte == '\r' ? "\\r" : byte == '\n' ? "\\n" : std::string(1, byte);
    }
    return label;
  }
};

constexpr auto adversarialShapes = std::to_array<Shape>({
    // Tags that never close on their line.
    {"", "\\![set,x", ""},
    {"", "\\p[", ""},
    {"", "\\s[", ""},
    {"", "\\i[", ""},
    {"", "\\![lock", ""},
    {"", "\\![unlock,repaint", ""},
    {"", "\\![set,alpha", ""},
    {"", "\\![reset,zorder ", ""},
    {"", "\\__w[ animation", ""},
    {"", "\\![ move", ""},
    // One blank run through the whole text inside a tag.
    {"\\![", " ", "x"},
    {"\\p[", " ", "zef]"},
    // Spans that all wait for one word far on, or reach into the scope tag.
    {"", "\\![set,\\s[]", "alpha]\n"},
    {"", "\\![set,", "\\p[0]alpha]"},
    // Spans that end a few bytes on.
    {"", "\\![set,alpha,50]ab", ""},
    {"", "\\![unlock,repaint]ab", ""},
    {"", "\\![set,x\r", ""},
    {"", "\\![lock,x\n", ""},
    {"", "\\![set,alpha\r", ""},
    {"", "\\s[\r", ""},
    // Every kind of tag, and markers behind the scope tag.
    {"", "\\s[1]\\4\\![move]\\b[0]\\![set,alpha]", ""},
    {"", "\\p[zef]", ""},
});

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

// range(0): which shape; range(1): bytes.
void convertAdversarial(benchmark::State& run) {
  const Shape& shape = adversarialShapes[static_cast<std::size_t>(run.range(0))];
  const std::string text = shape.text(static_cast<std::size_t>(run.range(1)));
  const zef::ModuleState state = benchState();
  run.SetLabel(shape.label());
  for (auto _ : run) benchmark::DoNotOptimize(zef::convertUtterance(state, 1, 13, text));
  run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations()) * static_cast<std::int64_t>(text.size()));
}

void convertAdversarialByReference(benchmark::State& run) {
  const Shape& shape = adversarialShapes[static_cast<std::size_t>(run.range(0))];
  const std::string text = shape.text(static_cast<std::size_t>(run.range(1)));
  const zef::ModuleState state = benchState();
  run.SetLabel(shape.label());
  for (auto _ : run) benchmark::DoNotOptimize(zef::reference::convertUtterance(state, 1, 13, text));
  run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations()) * static_cast<std::int64_t>(text.size()));
}

constexpr std::int64_t kilobyte = 1024;

// Every shape, at the sizes given.
void everyShape(benchmark::internal::Benchmark* benchmark, std::initializer_list<std::int64_t> sizes) {
  for (std::size_t shape = 0; shape < adversarialShapes.size(); ++shape) {
    for (const std::int64_t size : sizes) benchmark->Args({static_cast<std::int64_t>(shape), size});
  }
}

BENCHMARK(convertTalk)->Arg(kilobyte)->Arg(10 * kilobyte)->Arg(100 * kilobyte)->Arg(1024 * kilobyte);
BENCHMARK(convertShiftJisTalk)->Arg(10 * kilobyte)->Arg(1024 * kilobyte);
BENCHMARK(convertTalkByReference)->Arg(kilobyte)->Arg(10 * kilobyte)->Unit(benchmark::kMicrosecond);
BENCHMARK(copyTalk)->Arg(kilobyte)->Arg(10 * kilobyte)->Arg(100 * kilobyte)->Arg(1024 * kilobyte);
BENCHMARK(convertAdversarial)->Apply([](auto* benchmark) {
  everyShape(benchmark, {kilobyte, 10 * kilobyte, 1024 * kilobyte});
});
BENCHMARK(convertAdversarialByReference)
    ->Apply([](auto* benchmark) { everyShape(benchmark, {kilobyte}); })
    ->Unit(benchmark::kMicrosecond);

}  // namespace
