// The ZEF command (not yet built: answers with an empty script).
#include "convert/conversion_command.h"

namespace zef {

void runConversion(const ArgumentList&, const ModuleState&, std::string&) {}

}  // namespace zef
