#include "app/cli_arguments.h"

#include <charconv>
#include <cstdlib>
#include <string_view>
#include <utility>

#include "app/serial_port.h"
#include "preview/picture.h"

namespace zrv {

namespace {

// Whether the argument after DRAWING is right for the command.
std::optional<std::string> argumentProblem(const CliRequest& request, bool hasArgument) {
    const std::string& command = request.command;
    if (command == "list") {
        return cliList(request.argument) ? std::nullopt
                                         : std::optional<std::string>(
                                               "list braucht eine Liste: punkte, linien, "
                                               "rechtecke, polygone, kreise oder fraesungen");
    }
    if (command == "dump") {
        return request.argument == "horizontal" || request.argument == "vertical"
                   ? std::nullopt
                   : std::optional<std::string>("dump braucht horizontal oder vertical");
    }
    if (command == "gcode" || command == "probe") {
        return std::nullopt;
    }
    if (command == "send") {
        if (hasArgument) {
            return std::optional<std::string>("send nimmt nur ein Programm");
        }
        return request.port ? std::nullopt
                            : std::optional<std::string>("send braucht --port GERÄT");
    }
    if (command == "preview") {
        return pictureKind(request.argument) ? std::nullopt
                                             : std::optional<std::string>(
                                                   "preview braucht eine Ausgabe mit der Endung "
                                                   ".png oder .svg");
    }
    if (command == "info" || command == "log" || command == "export") {
        return hasArgument ? std::optional<std::string>(command + " nimmt kein weiteres Argument")
                           : std::nullopt;
    }
    return "unbekannter Befehl \"" + command + "\"";
}

// A rate of the serial port: digits only, one the terminal interface knows.
bool readBaud(const std::string& text, int& baud) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !knownBaud(value)) {
        return false;
    }
    baud = value;
    return true;
}

}  // namespace

std::optional<FigureList> cliList(std::string_view word) {
    constexpr std::pair<std::string_view, FigureList> kLists[] = {
        {"punkte", FigureList::Punkte},       {"linien", FigureList::Linien},
        {"rechtecke", FigureList::Rechtecke}, {"polygone", FigureList::Polygone},
        {"kreise", FigureList::Kreise},       {"fraesungen", FigureList::Fraesungen}};
    for (const auto& [name, list] : kLists) {
        if (name == word) {
            return list;
        }
    }
    return std::nullopt;
}

NumberLocale environmentLocale() {
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return std::string_view(value).starts_with("de") ? kGermanLocale : kCLocale;
        }
    }
    return kCLocale;
}

std::variant<CliRequest, UsageError> parseCliArguments(std::span<const std::string> args,
                                                       NumberLocale defaultLocale) {
    CliRequest request;
    request.locale = defaultLocale;
    std::size_t next = 0;
    bool baudGiven = false;
    while (next < args.size() && args[next].starts_with("--")) {
        const std::string& option = args[next];
        if (option == "--improve-route") {
            request.improveRoute = true;
            ++next;
            continue;
        }
        if (next + 1 >= args.size()) {
            return UsageError{option + " braucht einen Wert"};
        }
        const std::string& value = args[next + 1];
        if (option == "--settings") {
            request.settingsPath = value;
        } else if (option == "--heightmap") {
            request.heightMapPath = value;
        } else if (option == "--machine") {
            request.machinePath = value;
        } else if (option == "--pass-depth") {
            request.passDepth = value;
        } else if (option == "--peck-depth") {
            request.peckDepth = value;
        } else if (option == "--port") {
            request.port = value;
        } else if (option == "--log") {
            request.logPath = value;
        } else if (option == "--baud") {
            baudGiven = true;
            if (!readBaud(value, request.baud)) {
                return UsageError{"--baud braucht eine Baudrate wie 115200"};
            }
        } else if (option == "--locale" && (value == "de" || value == "C")) {
            request.locale = value == "de" ? kGermanLocale : kCLocale;
        } else if (option == "--locale") {
            return UsageError{"--locale nimmt de oder C"};
        } else {
            return UsageError{"unbekannte Option \"" + option + "\""};
        }
        next += 2;
    }
    const std::span<const std::string> rest = args.subspan(next);
    if (rest.size() < 2) {
        return UsageError{"Befehl und Zeichnung fehlen"};
    }
    if (rest.size() > 3) {
        return UsageError{"zu viele Argumente"};
    }
    request.command = rest[0];
    request.drawing = rest[1];
    if (rest.size() == 3) {
        request.argument = rest[2];
    }
    if (const std::optional<std::string> problem = argumentProblem(request, rest.size() == 3)) {
        return UsageError{*problem};
    }
    if (request.command != "send" && (request.port || request.logPath || baudGiven)) {
        return UsageError{"--port, --baud und --log gehören zu send"};
    }
    // An option that does nothing for the command would let a script believe it levelled.
    if (request.heightMapPath && request.command != "gcode" && request.command != "info") {
        return UsageError{"--heightmap gilt nur für gcode und info, nicht für " + request.command};
    }
    return request;
}

std::string usageText() {
    return "Aufruf: zrvcam-cli [--settings DATEI] [--locale de|C] [--machine DATEI] "
           "[--improve-route] [--heightmap PROTOKOLL] [--pass-depth MM] [--peck-depth MM]\n"
           "           BEFEHL ZEICHNUNG [ARG]\n"
           "       zrvcam-cli --port GERÄT [--baud N] [--log DATEI] send PROGRAMM\n"
           "  --machine DATEI             Antwort der Steuerung auf $$ (Maschine der Laufzeit)\n"
           "  --improve-route             Weg der Bohrungen und Fräsungen verbessern\n"
           "  --heightmap PROTOKOLL       Tastprotokoll des Tastprogramms derselben "
           "Einstellungen:\n"
           "                              gcode und info folgen der Höhenkarte (nur diese beiden;\n"
           "                              preview zeigt sie nicht)\n"
           "  --pass-depth MM             Zustellung: Frästiefe je Durchgang (0: aus)\n"
           "  --peck-depth MM             Bohren in Stufen: Tiefe je Stufe (0: aus)\n"
           "  list ZEICHNUNG punkte|linien|rechtecke|polygone|kreise|fraesungen\n"
           "  info ZEICHNUNG              Kennzahlen (key=value)\n"
           "  log ZEICHNUNG               Meldungen beim Laden\n"
           "  gcode ZEICHNUNG [AUSGABE]   G-Code schreiben (Vorgabe: Zeichnung mit .nc)\n"
           "  probe ZEICHNUNG [AUSGABE]   Tastprogramm schreiben (Vorgabe: _ANTASTEN.nc)\n"
           "  export ZEICHNUNG            Fräsdaten als Text exportieren\n"
           "  preview ZEICHNUNG AUSGABE   Vorschau der ganzen Platine als .png oder .svg\n"
           "  dump ZEICHNUNG horizontal|vertical\n"
           "  send PROGRAMM               Programm an GRBL 1.1 senden (Vorgabe: 115200 Baud);\n"
           "                              --log DATEI hält alles fest, was die Steuerung "
           "sendet\n";
}

}  // namespace zrv
