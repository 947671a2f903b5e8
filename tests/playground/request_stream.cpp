// The native side of the WebAssembly comparison: writes a stream of host
// calls (the demo session in both charsets and a few hundred random requests),
// and replays such a stream through a built module, recording every answer.
// tests/playground/replay_wasm.mjs replays the same stream through the WebAssembly
// build under Node's WASI; the two recordings must be the same bytes.
//
//   request_stream write STREAM [COUNT] [SEED]
//   request_stream replay MODULE STREAM RECORDING
//
// A stream is a list of calls: "L" (load), "U" (unload), or "R" followed by
// the request's length (4 bytes, little-endian) and its bytes. A recording
// holds, per call, load's or unload's result (4 bytes), or for a request a
// byte that is 1 when a response block came back, its length and its bytes.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iostream>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "demo_session.h"
#include "file_io.h"
#include "module_file.h"
#include "session.h"

namespace {

using saori_run::Charset;

void putNumber(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
}

std::uint32_t takeNumber(const std::string& in, std::size_t& at) {
  std::uint32_t value = 0;
  for (int shift = 0; shift < 32 && at < in.size(); shift += 8) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(in[at++])) << shift;
  }
  return value;
}

void putRequest(std::string& stream, const std::string& request) {
  stream += 'R';
  putNumber(stream, static_cast<std::uint32_t>(request.size()));
  stream += request;
}

// Random requests shaped like what ghosts send, with their mistakes: every
// command word and near misses, numbers with signs, blanks and junk, talks
// of tags and Shift-JIS or UTF-8 text, argument lines out of order or
// repeated, other Charset lines and stray bytes.
class RandomRequests {
 public:
  explicit RandomRequests(std::uint32_t seed) : random_(seed) {}

  std::string next() {
    const std::vector<std::string> arguments = argumentsFor(pick({"firstZEF", "startZEF", "ZEF", "ZEF", "ZEF",
                                                                  "settingZEF", "changeZEF", "zef", "ZEF "}));
    std::string text = below(8) == 0 ? "EXECUTE SAORI/1.0\n" : "EXECUTE SAORI/1.0\r\n";
    text += "Charset: " + pick({"Shift_JIS", "UTF-8", "utf8", " UTF-8\t", "EUC-JP", ""}) + "\r\n";
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      lines.push_back("Argument" + std::to_string(i) + ": " + arguments[i] + "\r\n");
    }
    if (below(6) == 0 && !lines.empty()) std::shuffle(lines.begin(), lines.end(), random_);
    if (below(8) == 0) lines.push_back("Argument" + std::to_string(below(30)) + ": late\r\n");
    for (const std::string& line : lines) text += line;
    if (below(10) == 0) text += std::string(1, static_cast<char>(below(256)));
    return text + "\r\n";
  }

 private:
  std::uint32_t below(std::uint32_t bound) { return std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(random_); }
  std::string pick(std::initializer_list<const char*> choices) {
    return *(choices.begin() + below(static_cast<std::uint32_t>(choices.size())));
  }

  std::string number() {
    switch (below(6)) {
      case 0: return std::to_string(below(5));
      case 1: return "-" + std::to_string(below(200));
      case 2: return " +" + std::to_string(below(1000)) + "px";
      case 3: return pick({"", "abc", "99999999999", "-2147483649", "2147483647"});
      default: return std::to_string(below(150));
    }
  }

  std::string utterance() {
    std::string text;
    const std::uint32_t pieces = below(8);
    for (std::uint32_t i = 0; i < pieces; ++i) {
      text += pick({"Hello.", "\\s[5]", "\\s[10]", "\\b[2]", "\\i[3]", "\\n", "\\n[half]", "\\_w[100]", "\\p[1]",
                    "\\p[zef]", "\\0", "\\1", "\\![set,alpha,50]", "\\![move,--X=10]", "\\![anim,play,1]",
                    "\\q[OK,OnOK]", "\x82\xb1\x82\xf1", "\x83\x5c" "s[5]", "\xe3\x81\x93", "\\", "]", "\\e",
                    "\\![lock,repaint]", "\\4", " "});
    }
    return text;
  }

  std::vector<std::string> argumentsFor(const std::string& word) {
    std::vector<std::string> arguments{word};
    if (word == "firstZEF" || word == "startZEF") {
      arguments.push_back(pick({"On", "on", "Off", "ON", ""}));
      const std::uint32_t characters = below(5);
      arguments.push_back(below(4) == 0 ? number() : std::to_string(characters));
      for (int i = 0; i < 7; ++i) arguments.push_back(i == 5 ? pick({"default", "", "MS Gothic"}) : number());
      const std::uint32_t offsets = characters + below(3) - 1;
      for (std::uint32_t i = 0; i < offsets && i < 9; ++i) arguments.push_back(number());
      return arguments;
    }
    if (word == "changeZEF") {
      arguments.push_back(pick({"Bl_Num", "Bl_Move", "Bl_Time", "ZEF_Switch", "bl_num", "Other"}));
      arguments.push_back(below(3) == 0 ? pick({"On", "Off", "on"}) : number());
      if (below(8) == 0) arguments.push_back("extra");
      return arguments;
    }
    if (word == "settingZEF") return arguments;
    const std::uint32_t count = below(14);
    for (std::uint32_t i = 0; i < count; ++i) arguments.push_back(utterance());
    return arguments;
  }

  std::mt19937 random_;
};

std::string writeStream(std::uint32_t count, std::uint32_t seed) {
  std::string stream;
  for (Charset charset : {Charset::shiftJis, Charset::utf8}) {
    for (const saori_run::Step& step : saori_run::demoSession(charset)) {
      if (step.kind == saori_run::Step::Kind::load) stream += 'L';
      if (step.kind == saori_run::Step::Kind::unload) stream += 'U';
      if (step.kind == saori_run::Step::Kind::request) putRequest(stream, saori_run::requestTextOf(step, charset));
    }
  }
  // A layout start first, so that most talks and menus are answered.
  RandomRequests random(seed);
  stream += 'L';
  putRequest(stream, saori_run::buildRequest(saori_run::typicalLayoutStart()));
  for (std::uint32_t i = 0; i < count; ++i) {
    putRequest(stream, random.next());
    if (i % 97 == 96) stream += "UL";
  }
  return stream + 'U';
}

bool replay(const std::string& modulePath, const std::string& stream, std::string& recording) {
  std::string error;
  auto module = saori_run::openModuleFile(modulePath, saori_run::Entries::plainOnly, error);
  if (!module) {
    std::cerr << "request_stream: " << modulePath << ": " << error << "\n";
    return false;
  }
  for (std::size_t at = 0; at < stream.size();) {
    const char call = stream[at++];
    if (call == 'L') putNumber(recording, static_cast<std::uint32_t>(module->load(".")));
    if (call == 'U') putNumber(recording, static_cast<std::uint32_t>(module->unload()));
    if (call != 'R') continue;
    const std::uint32_t length = takeNumber(stream, at);
    bool gotBlock = false;
    const std::string response = module->request(std::string_view(stream).substr(at, length), gotBlock);
    at += length;
    recording += gotBlock ? '\1' : '\0';
    putNumber(recording, static_cast<std::uint32_t>(response.size()));
    recording += response;
  }
  return true;
}

// Reads the optional argument `at` of `args` as a decimal number, or leaves
// `value` as it is when there is none; false, with a message, for any other text.
bool readNumber(const std::vector<std::string>& args, std::size_t at, const char* name, std::uint32_t& value) {
  if (at >= args.size()) return true;
  const std::string& text = args[at];
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc{} && end == text.data() + text.size()) return true;
  std::cerr << "request_stream: " << name << " \"" << text << "\" is not a number from 0 to 4294967295\n";
  return false;
}

bool writeFile(const std::string& path, const std::string& bytes) {
  std::string reason;
  if (saori_run::writeWholeFile(path, bytes, reason)) return true;
  std::cerr << "request_stream: cannot write " << path << ": " << reason << "\n";
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() >= 2 && args.size() <= 4 && args[0] == "write") {
    std::uint32_t count = 400;
    std::uint32_t seed = 22;
    if (!readNumber(args, 2, "COUNT", count) || !readNumber(args, 3, "SEED", seed)) return 2;
    return writeFile(args[1], writeStream(count, seed)) ? 0 : 1;
  }
  if (args.size() == 4 && args[0] == "replay") {
    std::string stream;
    std::string reason;
    if (!saori_run::readWholeFile(args[2], stream, reason)) {
      std::cerr << "request_stream: cannot read " << args[2] << ": " << reason << "\n";
      return 1;
    }
    std::string recording;
    if (!replay(args[1], stream, recording)) return 1;
    return writeFile(args[3], recording) ? 0 : 1;
  }
  std::cerr << "usage: request_stream write STREAM [COUNT] [SEED]\n"
               "       request_stream replay MODULE STREAM RECORDING\n";
  return 2;
}
