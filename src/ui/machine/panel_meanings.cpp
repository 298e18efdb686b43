#include <string>
#include <string_view>

#include "ui/machine/panel_link.h"

namespace zrv::panel {

namespace {

// The meanings of the controller's numbered replies, from its interface documentation.
constexpr std::string_view kErrors[] = {
    "",
    "Befehlsbuchstabe fehlt",
    "Zahl fehlt oder ungültig",
    "$-Befehl unbekannt",
    "negativer Wert, wo ein positiver stehen muss",
    "Referenzfahrt ist nicht eingeschaltet ($22)",
    "Schrittimpuls zu kurz",
    "EEPROM-Lesefehler",
    "$-Befehl nur im Zustand „Bereit“",
    "G-Code gesperrt (Alarm oder Verfahren)",
    "Software-Endschalter brauchen die Referenzfahrt",
    "Zeile zu lang",
    "Wert über der höchsten Schrittrate",
    "Tür offen",
    "Zeile zu lang für das EEPROM",
    "Ziel außerhalb des Verfahrwegs",
    "ungültiger Verfahrbefehl",
    "Lasermodus braucht PWM",
    "",
    "",
    "nicht unterstützter Befehl",
    "zwei Befehle derselben Gruppe in einer Zeile",
    "Vorschub fehlt",
    "ganze Zahl erwartet",
    "zwei Befehle mit Achsenwörtern in einer Zeile",
    "Wort doppelt in einer Zeile",
    "Achsenwort fehlt",
    "Zeilennummer ungültig",
    "P- oder L-Wert fehlt",
    "Koordinatensystem nicht unterstützt",
    "G53 nur mit G0 oder G1",
    "Achsenwort ohne Befehl",
    "Bogen ohne Achse in der Ebene",
    "Bewegungsziel ungültig",
    "Bogenradius ungültig",
    "Bogen ohne Mittelpunktangabe",
    "unbenutzter Wert in der Zeile",
    "Werkzeuglänge nicht auf der Z-Achse",
    "Werkzeugnummer zu groß",
};

constexpr std::string_view kAlarms[] = {
    "",
    "Endschalter ausgelöst: Position verloren, Referenzfahrt nötig",
    "Ziel außerhalb des Verfahrwegs",
    "Reset während der Bewegung: Position verloren",
    "Taster schon vor dem Antasten geschlossen",
    "keine Berührung",
    "Referenzfahrt durch Reset abgebrochen",
    "Referenzfahrt: Tür geöffnet",
    "Referenzfahrt: Endschalter nicht freigefahren",
    "Referenzfahrt: Endschalter nicht gefunden",
};

template <std::size_t N>
std::string meaning(const std::string_view (&table)[N], int code) {
    if (code > 0 && static_cast<std::size_t>(code) < N && !table[code].empty()) {
        return std::string(table[code]);
    }
    return "unbekannte Meldung";
}

}  // namespace

std::string errorMeaning(int code) {
    return meaning(kErrors, code);
}

std::string alarmMeaning(int code) {
    return meaning(kAlarms, code);
}

}  // namespace zrv::panel
