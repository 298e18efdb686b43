#include "settings/choices.h"

#include "settings/factory_values.h"

namespace zrv {

Choices factoryChoices(NumberLocale locale) {
    Choices choices;
    choices.parameters = factoryParameters(locale);
    choices.paths = factoryProgramPaths();
    return choices;
}

}  // namespace zrv
