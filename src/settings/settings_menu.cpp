// The settings menu (not yet built).
#include "settings/settings_menu.h"

namespace zef {

void runSettingsMenu(const ModuleState&, std::string&) {}

}  // namespace zef
