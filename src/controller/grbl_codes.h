#pragma once

#include <string>

namespace zrv {

// The controller's "ALARM:N" and "error:N" with their meaning in German (GRBL 1.1's codes):
// "error:20 – nicht unterstützter Befehl". A code it does not define is an "unbekannter Alarm"
// or "unbekannter Fehler".
std::string alarmText(int code);
std::string errorText(int code);

}  // namespace zrv
