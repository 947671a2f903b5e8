// How long the settings menu takes to build, on its own and as a whole
// settingZEF request, beside a plain copy of as many bytes as the response.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "module/entries.h"
#include "host_requests.h"
#include "platform/global_memory.h"
#include "settings/settings_menu.h"

namespace zef {
namespace {

using test::requestText;
using bench::send;

// Defaults: two characters, six levels. Large: eight characters, 99 levels.
ModuleState menuState(std::int64_t large) {
  ModuleState state;
  if (large != 0) {
    state.characterCount = 8;
    state.balloonCount = 99;
  }
  state.layoutStarted = true;
  return state;
}

void BM_SettingsMenu(benchmark::State& bench) {
  const ModuleState state = menuState(bench.range(0));
  std::size_t bytes = 0;
  for (auto _ : bench) {
    std::string script;
    runSettingsMenu(state, Charset::shiftJis, script);
    bytes = script.size();
    benchmark::DoNotOptimize(script.data());
  }
  bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations() * bytes));
  bench.counters["menu_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SettingsMenu)->ArgName("large")->Arg(0)->Arg(1);


// The whole request: parsing, dispatch, the menu, framing and the response block.
void BM_SettingZefRequest(benchmark::State& bench) {
  const bool large = bench.range(0) != 0;
  unloadModule();
  loadModule(nullptr);
  std::vector<std::string> start = {"firstZEF", "On", large ? "8" : "2", large ? "99" : "6", "100", "100", "10",
                                    "0",        "default", "12"};
  start.resize(start.size() + (large ? 8 : 2), "0");
  send(requestText(start));
  const std::string request = requestText({"settingZEF"});
  long bytes = 0;
  for (auto _ : bench) bytes = send(request);
  bench.SetBytesProcessed(bench.iterations() * bytes);
  bench.counters["response_bytes"] = static_cast<double>(bytes);
  unloadModule();
}
BENCHMARK(BM_SettingZefRequest)->ArgName("large")->Arg(0)->Arg(1);

// The floor: copying the response's bytes once.
void BM_MemcpyOfResponse(benchmark::State& bench) {
  std::string script;
  runSettingsMenu(menuState(bench.range(0)), Charset::shiftJis, script);
  std::vector<char> target(script.size());
  for (auto _ : bench) {
    std::memcpy(target.data(), script.data(), script.size());
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations() * script.size()));
}
BENCHMARK(BM_MemcpyOfResponse)->ArgName("large")->Arg(0)->Arg(1);

}  // namespace
}  // namespace zef
