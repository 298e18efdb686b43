#include "job/export.h"

namespace zrv {

// Placeholders until the G-code writer and the milling export land.
Parameters cleanParameters(const Parameters& parameters, NumberLocale) { return parameters; }

WriteResult GERBER_SCHREIBEN(const ProgramState&, const Choices&, Host&, std::string_view) {
    return {Status::failure("Export noch nicht verfügbar"), {}};
}

WriteResult exportMillingData(const ProgramState&, Host&) {
    return {Status::failure("Export noch nicht verfügbar"), {}};
}

}  // namespace zrv
