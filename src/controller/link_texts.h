#pragma once

#include <string>
#include <string_view>

#include "controller/machine_status.h"

namespace zrv {

// The link's German sentences that a face shows as they are (tests compare against them).
inline constexpr std::string_view kAlarmState =
    "Steuerung im Alarmzustand: erst $X oder Referenzfahrt";
inline constexpr std::string_view kDoorState =
    "Steuerung meldet offene Tür (Door): Tür schließen und erneut starten";
inline constexpr std::string_view kNoAnswer =
    "Keine Antwort von GRBL 1.1 innerhalb von 5 s: Kabel, Anschluss und Baudrate prüfen";
inline constexpr std::string_view kNotGrbl11 = "Die Steuerung ist kein GRBL 1.1: ";
inline constexpr std::string_view kNoStatus =
    "Die Steuerung meldet ihren Zustand nicht (5 s ohne Statusmeldung)";
inline constexpr std::string_view kRestarted =
    "Steuerung hat neu gestartet – Position unsicher, Job abgebrochen";
inline constexpr std::string_view kPortLost =
    "Verbindung zur Steuerung verloren – Position unsicher, Job abgebrochen";
inline constexpr std::string_view kPortLostIdle = "Verbindung zur Steuerung verloren";
inline constexpr std::string_view kSilent =
    "Steuerung antwortet nicht mehr (5 s) – Job abgebrochen";
inline constexpr std::string_view kUnexpectedOk =
    "Steuerung antwortet mit „ok“ ohne offene Zeile – Job abgebrochen";
inline constexpr std::string_view kUnexpectedError = " ohne offene Zeile – Job abgebrochen";
inline constexpr std::string_view kUnreadable = "Antwort der Steuerung unlesbar: ";
inline constexpr std::string_view kUnreadableEnd = " – Job abgebrochen";
inline constexpr std::string_view kFreshBoot =
    "Steuerung ist beim Verbinden neu gestartet – Nullpunkt prüfen";
inline constexpr std::string_view kResetUnconfirmed = "Reset nicht bestätigt – Not-Aus betätigen";
inline constexpr std::string_view kNotReady = "Steuerung nicht verbunden oder beschäftigt";
inline constexpr std::string_view kProgramRefused = "Programm nicht sendefähig: ";
inline constexpr std::string_view kCommandRefused = "Befehl nicht sendefähig: ";
inline constexpr std::string_view kNoSingleCommand = "keine einzelne Befehlszeile";
inline constexpr std::string_view kJobRunning =
    "Ein Job läuft: Befehle nur am Programmhalt (M0) des Werkzeugwechsels";

// Why nothing starts while the machine is in `state` (moving, holding, homing, ...).
inline std::string notIdleText(MachineState state) {
    return "Steuerung ist nicht bereit (Zustand " + std::string(stateName(state)) +
           "): erst warten, bis sie steht";
}

}  // namespace zrv
