// Standard output that passes bytes through unchanged.
#pragma once

namespace saori_run {

// On Windows, switches stdout to binary mode so that --raw bytes are not
// translated (LF to CR LF); elsewhere nothing needs doing.
void useBinaryStandardOutput();

}  // namespace saori_run
