// A module with the plain entries and, of the POSIX ones, only
// half_entries_saori_unload: saori-run must call the plain set throughout.
#include <cstdlib>

extern "C" {
int load(void* directory, long /*length*/) {
  std::free(directory);
  return 1;
}
void* request(void* text, long* length) {
  std::free(text);
  *length = 0;
  return nullptr;
}
int unload() { return 7; }
int half_entries_saori_unload(long /*id*/) { return 99; }
}
