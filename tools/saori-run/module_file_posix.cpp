// Loading a module with dlopen, as a POSIX SAORI host does: it looks up
// <module name>_saori_load/_request/_unload first, then the plain entry names,
// and passes malloc'd blocks.
#include <dlfcn.h>

#include <cstdlib>
#include <cstring>

#include "module_file.h"

namespace saori_run {

namespace {

using SaoriLoad = long (*)(char*, long);
using SaoriRequest = char* (*)(long, char*, long*);
using SaoriUnload = int (*)(long);
using PlainLoad = int (*)(void*, long);
using PlainRequest = void* (*)(void*, long*);
using PlainUnload = int (*)();

char* copyToBlock(std::string_view bytes) {
  char* block = static_cast<char*>(std::malloc(bytes.size() + 1));
  if (block == nullptr) return nullptr;
  if (!bytes.empty()) std::memcpy(block, bytes.data(), bytes.size());
  block[bytes.size()] = '\0';
  return block;
}

// "/a/b/zef.so" -> "zef"
std::string moduleName(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

class PosixModuleHost : public ModuleHost {
 public:
  explicit PosixModuleHost(void* library) : library_(library) {}
  ~PosixModuleHost() override { dlclose(library_); }

  bool bind(const std::string& name, Entries entries) {
    if (entries == Entries::asHostFinds && bindSaoriEntries(name)) return true;
    plainLoad_ = symbol<PlainLoad>("load");
    plainRequest_ = symbol<PlainRequest>("request");
    plainUnload_ = symbol<PlainUnload>("unload");
    return plainLoad_ && plainRequest_ && plainUnload_;
  }

  long load(std::string_view directory) override {
    char* block = copyToBlock(directory);
    const long length = static_cast<long>(directory.size());
    if (saoriLoad_) return instance_ = saoriLoad_(block, length);
    return plainLoad_(block, length);
  }

  std::string request(std::string_view requestText, bool& gotBlock) override {
    long length = static_cast<long>(requestText.size());
    char* block = copyToBlock(requestText);
    char* response = saoriLoad_ ? saoriRequest_(instance_, block, &length)
                                : static_cast<char*>(plainRequest_(block, &length));
    gotBlock = response != nullptr;
    if (response == nullptr) return {};
    std::string bytes(response, length > 0 ? static_cast<std::size_t>(length) : 0);
    std::free(response);
    return bytes;
  }

  long unload() override { return saoriUnload_ ? saoriUnload_(instance_) : plainUnload_(); }

 private:
  bool bindSaoriEntries(const std::string& name) {
    saoriLoad_ = symbol<SaoriLoad>(name + "_saori_load");
    saoriRequest_ = symbol<SaoriRequest>(name + "_saori_request");
    saoriUnload_ = symbol<SaoriUnload>(name + "_saori_unload");
    if (saoriLoad_ && saoriRequest_ && saoriUnload_) return true;
    // Half a set is no set: every entry then goes to the plain names.
    saoriLoad_ = nullptr;
    saoriRequest_ = nullptr;
    saoriUnload_ = nullptr;
    return false;
  }

  template <typename Entry>
  Entry symbol(const std::string& name) {
    return reinterpret_cast<Entry>(dlsym(library_, name.c_str()));
  }

  void* library_;
  long instance_ = 0;
  SaoriLoad saoriLoad_ = nullptr;
  SaoriRequest saoriRequest_ = nullptr;
  SaoriUnload saoriUnload_ = nullptr;
  PlainLoad plainLoad_ = nullptr;
  PlainRequest plainRequest_ = nullptr;
  PlainUnload plainUnload_ = nullptr;
};

}  // namespace

std::unique_ptr<ModuleHost> openModuleFile(const std::string& path, Entries entries, std::string& error) {
  // A bare file name would make dlopen search the library path instead.
  const std::string openPath = path.find('/') == std::string::npos ? "./" + path : path;
  void* library = dlopen(openPath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    error = "cannot load module " + path + ": " + dlerror();
    return nullptr;
  }
  auto host = std::make_unique<PosixModuleHost>(library);
  if (!host->bind(moduleName(path), entries)) {
    error = "module " + path + " has no SAORI entries (load, request, unload)";
    return nullptr;
  }
  return host;
}

}  // namespace saori_run
