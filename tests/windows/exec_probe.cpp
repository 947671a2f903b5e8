// exec_probe PROGRAM [ARGS...]: runs PROGRAM in its own place with execv and
// says why when the kernel refuses it.
//
// CMake's execute_process hands a program that the kernel refuses with
// ENOEXEC to /bin/sh, which then reports "not found" and exit 127, so the
// real reason is lost. Here there is no such fallback:
//
//   $ exec_probe /usr/lib/wine/wine --version   # on a kernel without 32-bit support
//   exec_probe: cannot execute /usr/lib/wine/wine: Exec format error
//   (exit 126)
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: exec_probe PROGRAM [ARGS...]\n");
    return 2;
  }
  execv(argv[1], argv + 1);
  const int reason = errno;
  std::fprintf(stderr, "exec_probe: cannot execute %s: %s\n", argv[1], std::strerror(reason));
  return reason == ENOEXEC ? 126 : 127;
}
