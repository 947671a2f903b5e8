// The loop that plays a session (session_player.h).
#include "session_player.h"

#include <utility>

namespace saori_run {

void runShown(const Shown& shown, zef::host_model::HostModel& model) {
  if (shown.choice) {
    model.choose(*shown.choice);
    return;
  }
  model.runScript(shown.script, shown.charset, shown.words);
}

void SessionPlayer::play(const Session& session) {
  for (const Step& step : session) {
    if (step.kind == Step::Kind::wordsAfter) {
      joinAfter(step);
      continue;
    }
    if (step.kind == Step::Kind::wordsBefore) {
      listener_.ghostWords(step);
      wordsBefore_ += step.text;
      wordsBeforeStep_ = step;
      continue;
    }
    showPending();
    playStep(step);
  }
  showPending();
  if (wordsBefore_.empty()) return;
  listener_.warn(wordsBeforeStep_, "@before joins the result of the next request, and none follows");
  wordsBefore_.clear();
}

void SessionPlayer::playStep(const Step& step) {
  switch (step.kind) {
    case Step::Kind::load:
      listener_.loaded(step, module_.load("."));
      ghost_.runStarted();
      return;
    case Step::Kind::restart:
      // The ghost stops and starts again.
      listener_.unloaded(step, module_.unload());
      listener_.loaded(step, module_.load("."));
      ghost_.runStarted();
      return;
    case Step::Kind::unload:
      listener_.unloaded(step, module_.unload());
      return;
    case Step::Kind::choose:
      choose(step);
      return;
    default:
      send(step);
  }
}

void SessionPlayer::send(const Step& step) {
  showPending();
  bool gotBlock = false;
  const std::string response = module_.request(requestTextOf(step, charset_), gotBlock);
  listener_.requested(step, response, gotBlock);
  const std::string_view result = resultValue(response);
  pending_ = Shown{step, std::string(result), responseCharset(response), {std::move(wordsBefore_), {}}, {}};
  wordsBefore_.clear();
  const Session handBack = ghost_.sent(step);
  if (!handBack.empty()) listener_.handingBack(step);
  for (const Step& request : handBack) send(request);
}

void SessionPlayer::choose(const Step& step) {
  zef::host_model::Chosen chosen;
  std::string problem;
  if (!choices_.pick(step.choice, chosen, problem)) {
    listener_.warn(step, problem);
    return;
  }
  listener_.chose(step, chosen);
  pending_ = Shown{step, std::string(chosen.script()), chosen.charset, {}, chosen.choice};
  for (const Step& request : ghost_.answer(step, chosen)) send(request);
}

void SessionPlayer::joinAfter(const Step& step) {
  listener_.ghostWords(step);
  if (!pending_ || pending_->choice) {
    listener_.warn(step, "@after joins the result of the request before it, and none comes right before it");
    return;
  }
  pending_->words.after += step.text;
}

void SessionPlayer::showPending() {
  if (!pending_) return;
  // The choices of a result are offered with the ghost's words around it.
  if (!pending_->choice) choices_.shown(pending_->script, pending_->charset, pending_->words);
  listener_.shown(*pending_);
  pending_.reset();
}

}  // namespace saori_run
