// Reading and writing whole files, with the system's reason when it fails.
#pragma once

#include <string>
#include <string_view>

namespace saori_run {

// Reads all of `path` into `text`; on failure returns false and sets
// `reason` to the system's message (strerror), e.g. "Is a directory".
bool readWholeFile(const std::string& path, std::string& text, std::string& reason);

// Writes `text` as all of `path`; on failure as readWholeFile.
bool writeWholeFile(const std::string& path, std::string_view text, std::string& reason);

}  // namespace saori_run
