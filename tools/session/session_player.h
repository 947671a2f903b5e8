// Playing a session: the one loop behind saori-run's printout, its preview
// and the page. Each request goes to the module; each @choose picks a choice
// of the balloons shown, as a user does; the ghost plays its part (ghost.h);
// and the ghost's own words join the result that they go with. A listener
// sees every step as it is played:
//
//   firstZEF ...   requested(step, response)
//   @after Hi.     ghostWords(step)
//   settingZEF     shown(): the layout start's result with "Hi." after it;
//                  requested(step, response)
//   @choose 1      shown(): the menu; chose(step, chosen); shown(): the
//                  choice; requested() for the ghost's settingZEF
//   (the end)      shown(): the menu again
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ghost.h"
#include "host_model.h"
#include "module_host.h"
#include "session.h"
#include "shown_choices.h"

namespace saori_run {

// A script that the host ran: a request's result between the ghost's own
// words (@before joins the next request's result, @after the last one's), or
// a picked choice, which runs its script or raises its event.
struct Shown {
  Step step;  // the request, or the @choose step
  std::string script;
  Charset charset = Charset::shiftJis;  // that the response names, or of the script chosen from
  zef::host_model::GhostWords words;
  std::optional<zef::host_model::Segment> choice;
};

// Runs what the host shows on the model desktop.
void runShown(const Shown& shown, zef::host_model::HostModel& model);

// Each use overrides what it needs.
class SessionListener {
 public:
  virtual ~SessionListener() = default;
  // The module's load or unload entry returned `result` (a restart calls unload, then load).
  virtual void loaded(const Step&, long /*result*/) {}
  virtual void unloaded(const Step&, long /*result*/) {}
  // The module answered; `gotBlock` is false when it returned null.
  virtual void requested(const Step&, std::string_view /*response*/, bool /*gotBlock*/) {}
  virtual void chose(const Step&, const zef::host_model::Chosen&) {}
  virtual void handingBack(const Step& /*request the ghost follows with its own*/) {}
  virtual void ghostWords(const Step& /*@before or @after, where it stands*/) {}
  // A script that the host ran, once the words that go with it are known.
  virtual void shown(const Shown&) {}
  // A step that could not do what it says.
  virtual void warn(const Step&, std::string_view /*problem*/) {}
};

class SessionPlayer {
 public:
  // Requests go out in `charset`.
  SessionPlayer(ModuleHost& module, Charset charset, SessionListener& listener)
      : module_(module), charset_(charset), listener_(listener) {}

  // Plays `session` to its end. The balloons shown and the ghost stay for the
  // next call: the page plays each action of its user as a session.
  void play(const Session& session);

  // The requests from now on go out in `charset`.
  void requestsIn(Charset charset) { charset_ = charset; }

 private:
  void playStep(const Step& step);
  void send(const Step& step);
  void choose(const Step& step);
  void joinAfter(const Step& step);
  void showPending();

  ModuleHost& module_;
  Charset charset_;
  SessionListener& listener_;
  zef::host_model::ShownChoices choices_;
  Ghost ghost_;
  std::optional<Shown> pending_;  // shown once no more words can join it
  std::string wordsBefore_;
  Step wordsBeforeStep_;
};

}  // namespace saori_run
