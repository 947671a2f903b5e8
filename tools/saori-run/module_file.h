// Opening a SAORI module file the way a host does.
//
// The host allocates a block for the module's directory and for each request
// (the module frees them), and frees each response block that the module
// returns. On Windows blocks are GlobalAlloc'd fixed memory and the module is
// a DLL; elsewhere blocks are malloc'd and the module a shared object.
#pragma once

#include <memory>
#include <string>

#include "module_host.h"

namespace saori_run {

// Which entries saori-run calls. A POSIX host calls <module name>_saori_load,
// _saori_request and _saori_unload where the module has them, else the plain
// load, request and unload, which are all that a Windows host calls.
enum class Entries { asHostFinds, plainOnly };

// Opens the module at `path`; on failure returns null and sets `error`.
std::unique_ptr<ModuleHost> openModuleFile(const std::string& path, Entries entries, std::string& error);

}  // namespace saori_run
