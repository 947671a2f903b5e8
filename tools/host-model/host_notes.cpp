// The host notes in words.
#include "host_notes.h"

namespace zef::host_model {
namespace {

std::string n(int value) { return std::to_string(value); }

std::string reason(const HostNote& note) {
  switch (note.kind) {
    case HostNote::Kind::RefusedGroup:
      return "scope " + n(note.detail) +
             " is already in a sticky group, and the host refuses such a setting until "
             "\\![reset,sticky-window]; the picture keeps the groups as they were";
    case HostNote::Kind::DummySurface:
      return "the host shows this surface only when the ghost's shell defines it (otherwise the scope's default "
             "surface): give a transparent surface in the shell's surfaces.txt the line name,__system_dummy__. "
             "The picture draws these scopes as points";
    case HostNote::Kind::MoveWithoutMoveOffset:
      return "it has no --move-offset, and the host documents no default for one; the picture puts the "
             "window's left.top point there";
    case HostNote::Kind::OddBalloon:
      return "odd balloon numbers are the right-facing variants, so the host shows balloon " + n(note.detail) +
             " facing right; the picture draws every balloon on its scope's side";
    case HostNote::Kind::CutChoice:
      return "its script is not wrapped in double quotes, so the host cuts it at its first comma and runs only "
             "what stands before it (the choices list shows it). Write \\q[TITLE,\"script:SCRIPT\"], with "
             "plain ] and each \" doubled inside the quotes";
  }
  return {};
}

}  // namespace

std::string noteRemark(const HostNote& note) {
  std::string out;
  // Where a group is set does not matter; where the others run does.
  if (note.kind != HostNote::Kind::RefusedGroup) out += " in scope " + n(note.scope);
  if (note.more > 0) out += " (and " + n(note.more) + " more like it)";
  return out + ": " + reason(note);
}

std::string noteText(const HostNote& note) { return note.command + noteRemark(note); }

}  // namespace zef::host_model
