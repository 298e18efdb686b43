#pragma once

#include <string>

namespace zrv {

// The controller's meaning of "error:N" and "ALARM:N" in German (GRBL 1.1's codes); a code it
// does not define gives "unbekannter Fehler" or "unbekannter Alarm".
std::string errorMeaning(int code);
std::string alarmMeaning(int code);
// "error:20 – nicht unterstützter Befehl"
std::string errorText(int code);

}  // namespace zrv
