// Latency of whole requests for the layout start and ZEF commands, each beside
// a memcpy of as many bytes as its response: the floor that any answer of
// that size costs.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "module/entries.h"
#include "host_requests.h"
#include "platform/global_memory.h"

namespace zef {
namespace {

using test::requestText;
using bench::send;

using Arguments = std::vector<std::string>;


Arguments layoutStart(const char* command, int characters, int balloons) {
  Arguments arguments = {command, "On", std::to_string(characters), std::to_string(balloons), "100", "100",
                         "10",    "0",  "default",                  "12"};
  arguments.resize(arguments.size() + static_cast<std::size_t>(characters), "0");
  return arguments;
}

Arguments talk(int utterances) {
  if (utterances == 3) return {"ZEF", "\\s[5]Hello.", "\\s[10]Hi.", "Bye."};
  Arguments arguments{"ZEF"};
  for (int i = 0; i < utterances; ++i) {
    arguments.push_back("\\s[" + std::to_string(i % 10) + "]\\i[3]Utterance " + std::to_string(i) +
                        " of a long talk,\\w9 with a pause.\\n\\![raise,OnEvent]");
  }
  return arguments;
}

struct Case {
  Arguments setup;    // sent once before timing
  Arguments request;  // timed
};

Case caseFor(int which) {
  switch (which) {
    case 0: return {{}, layoutStart("firstZEF", 2, 6)};
    case 1: return {{}, layoutStart("startZEF", 2, 6)};
    case 2: return {layoutStart("firstZEF", 2, 6), talk(3)};
    case 3: return {layoutStart("firstZEF", 2, 6), talk(100)};
    default: return {{}, layoutStart("firstZEF", 8, 99)};
  }
}

const char* const caseNames[] = {"firstZEF", "startZEF", "talk3", "talk100", "firstZEF_99x8"};

void BM_Request(benchmark::State& bench) {
  const Case benchCase = caseFor(static_cast<int>(bench.range(0)));
  bench.SetLabel(caseNames[bench.range(0)]);
  unloadModule();
  loadModule(nullptr);
  if (!benchCase.setup.empty()) send(requestText(benchCase.setup));
  const std::string request = requestText(benchCase.request);
  long bytes = 0;
  for (auto _ : bench) bytes = send(request);
  bench.SetBytesProcessed(bench.iterations() * bytes);
  bench.counters["response_bytes"] = static_cast<double>(bytes);
  unloadModule();
}
BENCHMARK(BM_Request)->DenseRange(0, 4);

// The floor: one copy of as many bytes as the case's response.
void BM_MemcpyOfResponse(benchmark::State& bench) {
  const Case benchCase = caseFor(static_cast<int>(bench.range(0)));
  bench.SetLabel(caseNames[bench.range(0)]);
  unloadModule();
  loadModule(nullptr);
  if (!benchCase.setup.empty()) send(requestText(benchCase.setup));
  const auto bytes = static_cast<std::size_t>(send(requestText(benchCase.request)));
  unloadModule();
  const std::vector<char> source(bytes, 'x');
  std::vector<char> target(bytes);
  for (auto _ : bench) {
    std::memcpy(target.data(), source.data(), bytes);
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations() * bytes));
}
BENCHMARK(BM_MemcpyOfResponse)->DenseRange(0, 4);

}  // namespace
}  // namespace zef
