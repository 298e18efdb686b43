#include "controller/grbl_codes.h"

#include <string_view>
#include <utility>

namespace zrv {
namespace {

// From GRBL 1.1's interface documentation, in the words a board maker at the machine needs.
constexpr std::pair<int, std::string_view> kErrors[] = {
    {1, "Befehlsbuchstabe fehlt"},
    {2, "Zahl fehlt oder ist ungültig"},
    {3, "unbekannter $-Befehl"},
    {4, "negativer Wert, wo ein positiver verlangt ist"},
    {5, "Referenzfahrt ist in den Einstellungen ausgeschaltet"},
    {6, "Schrittimpuls muss länger als 3 µs sein"},
    {7, "EEPROM-Lesefehler, Standardwerte wiederhergestellt"},
    {8, "$-Befehl nur im Ruhezustand (Idle) möglich"},
    {9, "G-Code gesperrt im Alarm- oder Tippbetrieb"},
    {10, "Software-Endschalter brauchen die Referenzfahrt"},
    {11, "Zeile zu lang: nicht ausgeführt"},
    {12, "Wert ergibt eine zu hohe Schrittrate"},
    {13, "Sicherheitstür offen"},
    {14, "Zeile zu lang für das EEPROM"},
    {15, "Tippziel außerhalb des Verfahrwegs"},
    {16, "ungültiger Tippbefehl"},
    {17, "Lasermodus braucht PWM-Ausgang"},
    {20, "nicht unterstützter Befehl"},
    {21, "zwei Befehle derselben modalen Gruppe in einer Zeile"},
    {22, "Vorschub nicht gesetzt"},
    {23, "Befehl verlangt eine ganze Zahl"},
    {24, "zwei Befehle in einer Zeile verlangen Achsenwörter"},
    {25, "Wort in der Zeile wiederholt"},
    {26, "Befehl verlangt Achsenwörter, keine gefunden"},
    {27, "Zeilennummer ungültig"},
    {28, "Befehl verlangt einen P- oder L-Wert"},
    {29, "G59.1, G59.2 und G59.3 werden nicht unterstützt"},
    {30, "G53 nur mit G0 oder G1"},
    {31, "Achsenwörter ohne Befehl, der sie nutzt"},
    {32, "Kreisbogen ohne Achsenwort in der Ebene"},
    {33, "Ziel der Bewegung ungültig"},
    {34, "Kreisbogen mit diesem Radius nicht möglich"},
    {35, "Kreisbogen ohne Mittelpunktversatz in der Ebene"},
    {36, "überzählige Wörter in der Zeile"},
    {37, "Werkzeuglängenkorrektur nur auf der Z-Achse"},
    {38, "Werkzeugnummer zu groß"},
};

constexpr std::pair<int, std::string_view> kAlarms[] = {
    {1, "Endschalter ausgelöst – Position verloren, Referenzfahrt nötig"},
    {2, "Ziel außerhalb des Verfahrwegs (Software-Endschalter), Position erhalten"},
    {3, "Reset während der Bewegung – Position verloren, Referenzfahrt nötig"},
    {4, "Antasten: Taster schon vor dem Start ausgelöst"},
    {5, "Antasten: kein Kontakt innerhalb des Wegs"},
    {6, "Referenzfahrt abgebrochen (Reset)"},
    {7, "Referenzfahrt abgebrochen (Tür geöffnet)"},
    {8, "Referenzfahrt: Endschalter nach dem Freifahren noch ausgelöst"},
    {9, "Referenzfahrt: Endschalter nicht gefunden"},
    {10, "Referenzfahrt: zweiter Endschalter der Achse nicht gefunden"},
};

template <std::size_t N>
std::string meaning(const std::pair<int, std::string_view> (&table)[N], int code,
                    std::string_view unknown) {
    for (const auto& [number, text] : table) {
        if (number == code) {
            return std::string(text);
        }
    }
    return std::string(unknown);
}

}  // namespace

std::string alarmText(int code) {
    return "ALARM:" + std::to_string(code) + " – " + meaning(kAlarms, code, "unbekannter Alarm");
}

std::string errorText(int code) {
    return "error:" + std::to_string(code) + " – " + meaning(kErrors, code, "unbekannter Fehler");
}

}  // namespace zrv
