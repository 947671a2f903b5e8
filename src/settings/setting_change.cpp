// Setting changes (not yet built).
#include "settings/setting_change.h"

namespace zef {

void runSettingChange(const ArgumentList&, ModuleState&, std::string&) {}

}  // namespace zef
