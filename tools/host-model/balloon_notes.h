// Notes on where the picture puts the balloons of a script: over one
// another, over a character, or off the screen, each with what the author
// can change (the step, the characters' distance, the dummy scopes' places).
#pragma once

#include "host_state.h"

namespace zef::host_model {

// Adds the notes for the balloons shown in `state`.
void noteBalloonPlaces(HostState& state);

}  // namespace zef::host_model
