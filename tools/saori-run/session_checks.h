// Warnings for mistakes that make a session run but not do what its author
// meant. They go to standard error and leave the exit status alone.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "ghost.h"
#include "session.h"

namespace saori_run {

// A request whose command word the module does not know, but whose first
// blank-separated word it does ("ZEF Hello. Hi." written without TABs).
// `fileName` is the session file; empty when the request came after --.
std::vector<std::string> lineWarnings(const Session& session, std::string_view fileName);

// Follows a running session and warns when ZEF or settingZEF is answered
// empty before any layout start since the module was loaded: the module
// waits for firstZEF or startZEF, and the warning shows the line to add.
class AnswerWatch {
 public:
  AnswerWatch(std::string_view fileName, std::ostream& warnings) : fileName_(fileName), warnings_(warnings) {}

  void loaded() {
    layoutStarted_ = false;
    warned_ = false;
  }
  void answered(const Step& step, std::string_view result);
  // A step that could not do what it says, with the reason.
  void warn(const Step& step, std::string_view reason);

 private:
  std::string fileName_;
  std::ostream& warnings_;
  bool layoutStarted_ = false;
  bool warned_ = false;  // once per load
};

}  // namespace saori_run
