// Loading the module as a Windows host does: the DLL is loaded with
// LoadLibrary, its cdecl entries load, request and unload are looked up by
// their plain names, the directory and each request travel in fixed global
// memory blocks that the module frees, and each response block is freed here.
#include "module_file.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstring>
#include <iostream>

namespace saori_run {
namespace {

using LoadEntry = BOOL(__cdecl*)(HGLOBAL block, long length);
using RequestEntry = HGLOBAL(__cdecl*)(HGLOBAL block, long* length);
using UnloadEntry = BOOL(__cdecl*)();

// A fixed block holding `bytes` and a closing NUL, which some modules expect.
HGLOBAL blockHolding(std::string_view bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_FIXED, bytes.size() + 1);
  if (block == nullptr) return nullptr;
  char* out = static_cast<char*>(block);  // a fixed block's handle is its address
  if (!bytes.empty()) std::memcpy(out, bytes.data(), bytes.size());
  out[bytes.size()] = '\0';
  return block;
}

std::string lastErrorText() {
  return "error " + std::to_string(static_cast<unsigned long>(GetLastError()));
}

// GetProcAddress returns a generic function pointer; going through void*
// keeps GCC's -Wcast-function-type quiet about the entry's real type.
template <typename Entry>
Entry entryNamed(HMODULE library, const char* name) {
  return reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

class WindowsModuleHost final : public ModuleHost {
 public:
  WindowsModuleHost(HMODULE library, LoadEntry loadEntry, RequestEntry requestEntry,
                    UnloadEntry unloadEntry)
      : library_(library), load_(loadEntry), request_(requestEntry), unload_(unloadEntry) {}

  ~WindowsModuleHost() override { FreeLibrary(library_); }

  WindowsModuleHost(const WindowsModuleHost&) = delete;
  WindowsModuleHost& operator=(const WindowsModuleHost&) = delete;

  long load(std::string_view directory) override {
    HGLOBAL block = blockHolding(directory);
    return load_(block, static_cast<long>(directory.size()));
  }

  std::string request(std::string_view requestText, bool& gotBlock) override {
    long length = static_cast<long>(requestText.size());
    HGLOBAL response = request_(blockHolding(requestText), &length);
    gotBlock = response != nullptr;
    if (response == nullptr) return {};
    std::string bytes;
    if (length > 0) bytes.assign(static_cast<const char*>(response), static_cast<std::size_t>(length));
    // GlobalFree gives the handle back when it is not a global memory block:
    // a module that allocated its response some other way would crash a host.
    if (GlobalFree(response) != nullptr) std::cerr << "saori-run: GlobalFree refused the response block\n";
    return bytes;
  }

  long unload() override { return unload_(); }

 private:
  HMODULE library_;
  LoadEntry load_;
  RequestEntry request_;
  UnloadEntry unload_;
};

}  // namespace

// A DLL has only the plain entries, whichever `entries` asks for.
std::unique_ptr<ModuleHost> openModuleFile(const std::string& path, Entries /*entries*/, std::string& error) {
  HMODULE library = LoadLibraryA(path.c_str());
  if (library == nullptr) {
    error = "cannot load " + path + " (" + lastErrorText() + ")";
    return nullptr;
  }
  auto loadEntry = entryNamed<LoadEntry>(library, "load");
  auto requestEntry = entryNamed<RequestEntry>(library, "request");
  auto unloadEntry = entryNamed<UnloadEntry>(library, "unload");
  if (loadEntry == nullptr || requestEntry == nullptr || unloadEntry == nullptr) {
    error = path + " does not export load, request and unload";
    FreeLibrary(library);
    return nullptr;
  }
  return std::make_unique<WindowsModuleHost>(library, loadEntry, requestEntry, unloadEntry);
}

}  // namespace saori_run
