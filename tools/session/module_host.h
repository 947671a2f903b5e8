// A SAORI module as a host talks to it: load, request, unload. saori-run
// opens a module file (module_file.h); the page calls the module linked into
// its own WebAssembly.
#pragma once

#include <string>
#include <string_view>

namespace saori_run {

class ModuleHost {
 public:
  virtual ~ModuleHost() = default;

  // Calls load with a block holding `directory`; returns load's result.
  virtual long load(std::string_view directory) = 0;

  // Sends `requestText` and returns the response's bytes (exactly the
  // returned length). Sets `gotBlock` to false when the module returned null.
  virtual std::string request(std::string_view requestText, bool& gotBlock) = 0;

  // Calls unload; returns its result.
  virtual long unload() = 0;
};

}  // namespace saori_run
