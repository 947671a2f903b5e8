// Loading a SAORI module and talking to it the way a host does.
//
// The host allocates a block for the module's directory and for each request
// (the module frees them), and frees each response block that the module
// returns. On Windows blocks are GlobalAlloc'd fixed memory and the module is
// a DLL; elsewhere blocks are malloc'd and the module a shared object.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace saori_run {

// Which entries saori-run calls. A POSIX host calls <module name>_saori_load,
// _saori_request and _saori_unload where the module has them, else the plain
// load, request and unload, which are all that a Windows host calls.
enum class Entries { asHostFinds, plainOnly };

class ModuleHost {
 public:
  // Opens the module at `path`; on failure returns null and sets `error`.
  static std::unique_ptr<ModuleHost> open(const std::string& path, Entries entries, std::string& error);

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
