// Whole files through C stdio, whose failures leave their reason in errno.
#include "file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace saori_run {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string systemReason() { return errno != 0 ? std::strerror(errno) : "unknown error"; }

}  // namespace

bool readWholeFile(const std::string& path, std::string& text, std::string& reason) {
  errno = 0;
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    reason = systemReason();
    return false;
  }
  text.clear();
  char buffer[65536];
  for (;;) {
    errno = 0;
    const std::size_t count = std::fread(buffer, 1, sizeof buffer, file.get());
    text.append(buffer, count);
    if (count == sizeof buffer) continue;
    // A directory opens on POSIX systems; reading it fails with EISDIR.
    if (!std::ferror(file.get())) return true;
    reason = systemReason();
    return false;
  }
}

bool writeWholeFile(const std::string& path, std::string_view text, std::string& reason) {
  errno = 0;
  File file(std::fopen(path.c_str(), "wb"));
  if (!file) {
    reason = systemReason();
    return false;
  }
  errno = 0;
  const bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
  if (written && std::fclose(file.release()) == 0) return true;
  reason = systemReason();
  return false;
}

}  // namespace saori_run
