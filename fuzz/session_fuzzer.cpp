// Fuzz target: whole host sessions, so that the state machine is explored and
// not only single requests, and several states live side by side.
//
// The input is read line by line (LF ends a line; CR, NUL and every other
// byte belong to the line), so that seeds stay readable:
//   "load" or "unload"  the host calls that plain entry;
//   "id load"           a new id state (zef_saori_load); the requests that
//                       follow go to it;
//   "id N"              the requests that follow go to the N-th id state this
//                       session loaded (from 1); with no such state loaded
//                       (unloaded, 0, or beyond), to an id that names none;
//   "id unload"         unloads the addressed id (zef_saori_unload; nothing
//                       while the plain state is addressed); the requests
//                       that follow still go to that id;
//   "plain"             the requests that follow go to the plain state again;
//   "RAW " + text       the text is sent as a request as it stands, each "|"
//                       standing for CR LF (to reach the parser's corners);
//   an empty line       the arguments gathered so far go out as one request;
//   any other line      the next argument (Argument0, Argument1, ...) of the
//                       request being gathered.
// The session starts with the plain state loaded and addressed, as hosts
// start, and ends by unloading every state, so that LeakSanitizer sees
// anything the module kept.
//
// After every request the target checks what no input may break: the framing
// of the response, the value rules of the state addressed, that only the
// commands that change settings changed any, and that an id that names no
// state gets the empty result. After every call it checks that no state but
// the one addressed changed, as ghosts that share the module rely on.
#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "hardening/state_invariants.h"
#include "module/command_table.h"
#include "module/entries.h"
#include "module/request.h"
#include "platform/global_memory.h"
#include "support/request_text.h"

namespace {

using zef::ModuleState;

constexpr std::string_view responseTail = "\r\n\r\n";

// No id entry hands out 0, so it names no state.
constexpr long noStateId = 0;

[[noreturn]] void fail(const char* what, std::string_view detail = {}) {
  std::fprintf(stderr, "session fuzzer: %s: %.*s\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

// Where requests go: the plain state (no id) or the state of an id.
using Target = std::optional<long>;

std::string nameOf(Target target) { return target ? "id " + std::to_string(*target) : "the plain state"; }

ModuleState* stateOf(Target target) { return target ? zef::instanceState(*target) : zef::currentModuleState(); }

std::optional<ModuleState> copyOf(Target target) {
  const ModuleState* state = stateOf(target);
  return state ? std::optional<ModuleState>(*state) : std::nullopt;
}

bool same(const std::optional<ModuleState>& a, const std::optional<ModuleState>& b) {
  if (!a || !b) return !a && !b;
  return zef::hardening::sameState(*a, *b);
}

struct Session {
  std::vector<long> ids;                    // every id this session loaded, unloaded ones too
  Target target;                            // where the requests go
  std::vector<std::string_view> arguments;  // of the request being gathered
};

// Copies of every state the session can reach, taken before a call.
using Snapshot = std::map<Target, std::optional<ModuleState>>;

Snapshot snapshot(const Session& session) {
  Snapshot states{{std::nullopt, copyOf(std::nullopt)}, {session.target, copyOf(session.target)}};
  for (const long id : session.ids) states[id] = copyOf(id);
  return states;
}

// States are independent: a call for one leaves every other as it was.
void checkOthersUnchanged(const Snapshot& before, Target touched) {
  for (const auto& [target, state] : before) {
    if (target != touched && !same(state, copyOf(target))) fail("a call for one state changed another", nameOf(target));
  }
}

std::string rawRequest(std::string_view line) {
  std::string text;
  for (const char byte : line) {
    if (byte == '|') {
      text += "\r\n";
    } else {
      text += byte;
    }
  }
  return text;
}

// Sends `text` through the request entry of `target`, checks the framing of
// the response and returns its result.
std::string exchange(Target target, const std::string& text, std::string_view sent) {
  // The answer is framed like the empty one in the charset that the request names.
  const std::string_view empty = zef::emptyResponse.in(zef::requestCharset(sent));
  const std::string_view responseHead = empty.substr(0, empty.size() - responseTail.size());
  zef::platform::BlockHandle block = zef::platform::allocateBlock(text);
  long length = static_cast<long>(text.size());
  zef::platform::BlockHandle answer =
      target ? zef::answerInstanceRequest(*target, block, &length) : zef::answerRequest(block, &length);
  if (answer == nullptr) fail("no response block");

  const std::string_view response(static_cast<const char*>(answer), static_cast<std::size_t>(length));
  if (response.size() < responseHead.size() + responseTail.size()) fail("response too short", response);
  if (!response.starts_with(responseHead) || !response.ends_with(responseTail)) fail("bad framing", response);
  if (static_cast<const char*>(answer)[length] != '\0') fail("response block not NUL-terminated");
  std::string result(response.substr(responseHead.size(), response.size() - responseHead.size() - responseTail.size()));
  zef::platform::freeBlock(answer);
  return result;
}

// What a request may do to the state it addressed.
void checkAddressed(const std::optional<ModuleState>& before, const ModuleState* state, std::string_view result,
                    std::string_view sent) {
  if (!before) {
    if (state != nullptr) fail("a request created a state");
    if (!result.empty()) fail("a result without state", result);
    return;
  }
  if (state == nullptr) fail("a request destroyed the state");
  const std::string broken = zef::hardening::brokenStateRule(*state);
  if (!broken.empty()) fail("invalid state", broken);
  const zef::ArgumentList arguments = zef::requestArguments(sent);
  const bool changes = zef::judgeRequest(arguments, before->layoutStarted) == zef::Verdict::changes;
  if (!changes && !zef::hardening::sameState(*before, *state)) {
    fail("a request that the module judged not to change the state changed it", arguments.empty() ? "" : arguments[0]);
  }
}

void send(const Session& session, const std::string& text) {
  const Snapshot before = snapshot(session);
  const std::string_view sent = std::string_view(text).substr(0, text.find('\0'));
  const std::string result = exchange(session.target, text, sent);
  checkAddressed(before.at(session.target), stateOf(session.target), result, sent);
  checkOthersUnchanged(before, session.target);
}

void flush(Session& session) {
  if (!session.arguments.empty()) send(session, zef::test::requestText(session.arguments));
  session.arguments.clear();
}

void loadPlain(Session& session) {
  const Snapshot before = snapshot(session);
  zef::loadModule(nullptr);
  checkOthersUnchanged(before, std::nullopt);
}

void unloadPlain(Session& session) {
  const Snapshot before = snapshot(session);
  zef::unloadModule();
  checkOthersUnchanged(before, std::nullopt);
}

void loadId(Session& session) {
  const Snapshot before = snapshot(session);
  const long id = zef::loadInstance(nullptr);
  if (id == noStateId) fail("zef_saori_load made no state");
  const auto earlier = before.find(id);
  if (earlier != before.end() && earlier->second) fail("the id of a loaded state handed out again", nameOf(id));
  if (!same(copyOf(id), ModuleState{})) fail("a new id state without the defaults", nameOf(id));
  checkOthersUnchanged(before, id);
  session.ids.push_back(id);
  session.target = id;
}

void unloadId(Session& session) {
  if (!session.target) return;  // the plain state is addressed: there is no id to unload
  const Snapshot before = snapshot(session);
  if (zef::unloadInstance(*session.target) != 1) fail("zef_saori_unload did not return 1");
  if (stateOf(session.target) != nullptr) fail("an unloaded state is still there", nameOf(session.target));
  checkOthersUnchanged(before, session.target);
}

void addressPlain(Session& session) { session.target = std::nullopt; }

void sendGathered(Session&) {}  // the request gathered so far has already gone out

// The lines that stand for a call, exactly; each first sends the request
// gathered so far.
struct SessionLine {
  std::string_view text;
  void (*run)(Session&);
};
constexpr SessionLine sessionLines[] = {
    {"", sendGathered},  {"load", loadPlain},     {"unload", unloadPlain},
    {"id load", loadId}, {"id unload", unloadId}, {"plain", addressPlain},
};

// The N of an "id N" line; none for every other line.
std::optional<std::size_t> idNumber(std::string_view line) {
  if (!line.starts_with("id ")) return std::nullopt;
  const char* const first = line.data() + 3;
  const char* const last = line.data() + line.size();
  std::size_t number = 0;
  const auto [end, error] = std::from_chars(first, last, number);
  if (error != std::errc() || end != last) return std::nullopt;
  return number;
}

long idOf(const Session& session, std::size_t number) {
  if (number == 0 || number > session.ids.size()) return noStateId;
  return session.ids[number - 1];
}

void runLine(Session& session, std::string_view line) {
  const auto call = std::find_if(std::begin(sessionLines), std::end(sessionLines),
                                 [line](const SessionLine& known) { return known.text == line; });
  const std::optional<std::size_t> number = idNumber(line);
  const bool raw = line.starts_with("RAW ");
  if (call == std::end(sessionLines) && !number && !raw) {
    session.arguments.push_back(line);
    return;
  }
  flush(session);
  if (raw) return send(session, rawRequest(line.substr(4)));
  if (number) {
    session.target = idOf(session, *number);
    return;
  }
  call->run(session);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  zef::unloadModule();
  zef::loadModule(nullptr);

  Session session;
  std::size_t start = 0;
  while (start <= input.size()) {
    const std::size_t end = std::min(input.find('\n', start), input.size());
    runLine(session, input.substr(start, end - start));
    start = end + 1;
  }
  flush(session);
  zef::unloadModule();
  for (const long id : session.ids) zef::unloadInstance(id);
  return 0;
}
