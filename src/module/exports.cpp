// The module's exported entries, for hosts that speak SAORI/1.0.
//
// Windows hosts call load, request and unload (cdecl, undecorated names). POSIX
// hosts look up <module name>_saori_load, _saori_request and _saori_unload,
// which keep one state per id (entries.h). Each entry only forwards.
#include "module/entries.h"

using zef::platform::BlockHandle;
using zef::platform::Bool;

extern "C" {

ZEF_EXPORT Bool ZEF_CDECL load(BlockHandle pathBlock, long length) {
  static_cast<void>(length);  // the module reads no files, so the path is not needed
  return zef::loadModule(pathBlock);
}

ZEF_EXPORT Bool ZEF_CDECL unload() { return zef::unloadModule(); }

ZEF_EXPORT BlockHandle ZEF_CDECL request(BlockHandle requestBlock, long* length) {
  return zef::answerRequest(requestBlock, length);
}

#if ZEF_INSTANCE_ENTRIES
ZEF_EXPORT long zef_saori_load(char* path, long length) {
  static_cast<void>(length);
  return zef::loadInstance(path);
}

ZEF_EXPORT char* zef_saori_request(long id, char* requestText, long* length) {
  return static_cast<char*>(zef::answerInstanceRequest(id, requestText, length));
}

ZEF_EXPORT int zef_saori_unload(long id) { return zef::unloadInstance(id); }
#endif  // ZEF_INSTANCE_ENTRIES

}  // extern "C"
