// The ZEF command: each utterance of a talk in a balloon of its own.
//
// Utterance i belongs to character i mod characterCount and goes into one of
// that character's balloon scopes. The balloons of the talk so far form a
// stack, newest first: each new utterance pushes the older balloons one
// moveStep further from their anchor and hides the one that falls off the
// end, so at most balloonCount balloons of the talk stay visible. The stack
// lives for one request only.
#include "convert/conversion_command.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "convert/utterance.h"
#include "base/host_script.h"
#include "base/int32_math.h"
#include "placement/dummy_scope.h"

namespace zef {

namespace {

// Moves a balloon `age` steps away from its base, on the side its scope
// number's parity gives. The base is dummyScope(0, scope mod characterCount):
// the anchor of the character that owns the scope whenever dummyScopeBase is
// a multiple of characterCount, as with the defaults. Ghosts that choose
// another base get the number they have always got.
void appendBalloonMove(std::string& script, const ModuleState& state, std::int32_t scope, std::int32_t age) {
  appendMove(script, Move{.async = true,
                          .x = fix,
                          .y = wrapNeg(wrapMul(state.moveStep, age)),
                          .time = state.moveTime,
                          .base = dummyScope(state, 0, scope % state.characterCount),
                          .corners = placementCorners(scope),
                          .ignoreSticky = true});
}

// The balloons shown so far in this talk, newest first.
class BalloonStack {
 public:
  explicit BalloonStack(std::int32_t balloonCount) : capacity_(static_cast<std::size_t>(balloonCount)) {
    scopes_.reserve(capacity_ + 1);
  }

  // Puts `scope` on top. A scope that is still visible further down is the
  // same balloon, about to take the new text: it is taken out, so that it is
  // not moved away after its move onto the anchor nor hidden later while it
  // shows the newest text. (A copy just past the visible ones is left: it is
  // hidden first and then written again.)
  void push(std::int32_t scope) {
    if (scopes_.size() > capacity_) scopes_.resize(capacity_);  // the one hidden last time is gone
    const auto visibleEnd = scopes_.begin() + static_cast<std::ptrdiff_t>(std::min(scopes_.size(), capacity_ - 1));
    const auto older = std::find(scopes_.begin(), visibleEnd, scope);
    if (older != visibleEnd) scopes_.erase(older);
    scopes_.insert(scopes_.begin(), scope);
  }

  // Moves every visible balloon one step per age and hides the one past them.
  void appendMoves(std::string& script, const ModuleState& state) const {
    for (std::size_t age = 0; age < scopes_.size(); ++age) {
      appendScopeSwitch(script, scopes_[age]);
      if (age < capacity_) {
        appendBalloonMove(script, state, scopes_[age], static_cast<std::int32_t>(age));
      } else {
        script += spelling::hide;
      }
    }
  }

 private:
  std::size_t capacity_;
  std::vector<std::int32_t> scopes_;
};

// The new balloon's scope, balloon number and font, then the utterance.
void appendBalloonText(std::string& script, const ModuleState& state, Seat seat, std::string_view utterance) {
  appendScopeSwitch(script, seat.balloonScope);
  appendBalloonHeader(script, state.balloonOffset, state.fontName, state.fontHeight);
  script += convertUtterance(state, seat.character, seat.balloonScope, utterance);
}

// Room for the moves and headers of a talk and about twice its text, so
// that a long talk is not copied over and over while it grows. Only a hint:
// the rewritten text may still outgrow it.
std::uint64_t expectedTalkBytes(std::span<const std::string> utterances, const ModuleState& state) {
  constexpr std::uint64_t perMove = maxScopeSwitchBytes + std::max<std::uint64_t>(maxMoveBytes, spelling::hide.size());
  const std::uint64_t maxMoves = static_cast<std::uint64_t>(state.balloonCount) + 1;
  std::uint64_t bytes = 0;
  std::uint64_t balloons = 0;
  for (const std::string& utterance : utterances) {
    if (utterance.empty()) continue;
    balloons = std::min(balloons + 1, maxMoves);
    bytes += balloons * perMove + maxScopeSwitchBytes + balloonHeaderBytes(state.fontName.size()) + 2 * utterance.size();
  }
  return bytes;
}

// With the conversion switched off each utterance stays in its character's
// own scope and balloon.
void appendPlainText(std::string& script, const ModuleState& state, std::int32_t character,
                     std::string_view utterance) {
  appendScopeSwitch(script, character);
  script += convertUtterance(state, character, character, utterance);
  script += spelling::wideLineBreak;
}

}  // namespace

void runConversion(std::span<const std::string> utterances, const ModuleState& state, std::string& script) {
  // A layout start guarantees both counts; without them there is no seat.
  if (state.characterCount < 1 || state.balloonCount < 1) return;
  if (state.enabled) reserveMore(script, expectedTalkBytes(utterances, state));
  BalloonStack stack(state.balloonCount);
  std::uint32_t position = 0;
  for (const std::string& utterance : utterances) {
    const Seat seat = seatOf(state, position++);  // an empty utterance still uses up its position
    if (utterance.empty()) continue;
    if (!state.enabled) {
      appendPlainText(script, state, seat.character, utterance);
      continue;
    }
    stack.push(seat.balloonScope);
    stack.appendMoves(script, state);
    appendBalloonText(script, state, seat, utterance);
  }
}

}  // namespace zef
