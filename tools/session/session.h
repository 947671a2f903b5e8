// A session: the steps that saori-run sends to a module, in order.
//
// Session files hold one step per line:
//   ARG0<TAB>ARG1<TAB>...   a request with these arguments, bytes as given
//   @load / @unload         call the module's load or unload entry
//   @restart                the ghost stops and starts again: the module is
//                           unloaded and loaded, the host's windows are placed
//                           afresh, and the ghost hands back what it keeps
//                           (see ghost.h)
//   @raw TEXT               a request sent as TEXT, with \r \n \t \\ \xHH escapes
//   @choose N               the user picks choice N (from 1, in script order)
//                           of the balloons shown; the ghost answers the event
//                           it raises (see ghost.h)
//   @before TEXT            the ghost's own words that the host runs before
//                           the next request's result, in the same script
//   @after TEXT             ... and after the last request's result
//                           (--preview and --state draw them; TEXT is sent
//                           to no module)
// Blank lines and lines starting with '#' are skipped. A session file is
// text: control bytes other than TAB (and CR before LF) are refused. A UTF-8
// byte order mark at its start is skipped; all other bytes go out as they are.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text_charset.h"

namespace saori_run {

using zef::host_model::Charset;

struct Step {
  enum class Kind { request, rawRequest, load, unload, restart, choose, wordsBefore, wordsAfter };
  Kind kind = Kind::request;
  std::vector<std::string> arguments;  // for request
  std::string text;                    // for rawRequest, wordsBefore and wordsAfter
  std::size_t line = 0;                // its line in the session file; 0 when it comes from elsewhere
  std::size_t choice = 0;              // for choose: the choice's number, from 1
};

using Session = std::vector<Step>;

// Parses a session file's text. On a malformed line returns false and sets
// `error` to a message that names the file, the line number and the line,
// as "FILE:LINE: what is wrong".
bool parseSession(std::string_view fileText, std::string_view fileName, Session& session, std::string& error);

// The SAORI/1.0 request text carrying `arguments` as Argument0, Argument1, ...
// with a Charset line that names `charset`.
std::string buildRequest(const std::vector<std::string>& arguments, Charset charset = Charset::shiftJis);

// The request text that a step sends (request and rawRequest steps).
std::string requestTextOf(const Step& step, Charset charset);

// The value of a response's Result line, or nothing when it has none.
std::string_view resultValue(std::string_view response);

// The charset that a response names in its first Charset line, whose value
// is read as the module reads a request's: UTF-8 when that names it, else
// Shift_JIS (as also without a Charset line).
Charset responseCharset(std::string_view response);

}  // namespace saori_run
