#include "output/factory_values.h"

namespace zrv {

// Placeholders until the factory values land.
ChoiceLists choiceLists(NumberLocale) { return {}; }
Parameters factoryParameters(NumberLocale) { return {}; }
void Command_BOHRUNG_STANDARD(Parameters&, NumberLocale) {}
void Command_FRAESUNG_STANDARD(Parameters&, NumberLocale) {}
ProgramPaths factoryProgramPaths() { return {}; }

}  // namespace zrv
