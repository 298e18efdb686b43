#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/cli_arguments.h"

namespace zrv {
namespace {

struct ArgumentCase {
    const char* name;
    std::vector<std::string> args;
    bool usage;           // a usage error
    const char* command;  // otherwise the request
    const char* argument;
    char decimal;
};

const ArgumentCase kArgumentCases[] = {
    {"nothing", {}, true, "", "", '.'},
    {"command only", {"info"}, true, "", "", '.'},
    {"info", {"info", "a.zrv"}, false, "info", "", '.'},
    {"info with an argument", {"info", "a.zrv", "x"}, true, "", "", '.'},
    {"log with an argument", {"log", "a.zrv", "x"}, true, "", "", '.'},
    {"export with an argument", {"export", "a.zrv", "x"}, true, "", "", '.'},
    {"list of a kind", {"list", "a.zrv", "kreise"}, false, "list", "kreise", '.'},
    {"list without kind", {"list", "a.zrv"}, true, "", "", '.'},
    {"list of an unknown kind", {"list", "a.zrv", "kreis"}, true, "", "", '.'},
    {"dump vertical", {"dump", "a.zrv", "vertical"}, false, "dump", "vertical", '.'},
    {"dump without layout", {"dump", "a.zrv"}, true, "", "", '.'},
    {"dump diagonal", {"dump", "a.zrv", "diagonal"}, true, "", "", '.'},
    {"gcode", {"gcode", "a.zrv"}, false, "gcode", "", '.'},
    {"gcode to a file", {"gcode", "a.zrv", "b.nc"}, false, "gcode", "b.nc", '.'},
    {"unknown command", {"bohren", "a.zrv"}, true, "", "", '.'},
    {"too many arguments", {"list", "a.zrv", "punkte", "x"}, true, "", "", '.'},
    {"German locale", {"--locale", "de", "info", "a.zrv"}, false, "info", "", ','},
    {"C locale", {"--locale", "C", "info", "a.zrv"}, false, "info", "", '.'},
    {"unknown locale", {"--locale", "fr", "info", "a.zrv"}, true, "", "", '.'},
    {"locale without value", {"--locale"}, true, "", "", '.'},
    {"unknown option", {"--verbose", "1", "info", "a.zrv"}, true, "", "", '.'},
    {"options in any order",
     {"--locale", "de", "--settings", "s.ini", "log", "a.zrv"},
     false,
     "log",
     "",
     ','},
    {"route improvement: a switch without value, among other options",
     {"--locale", "de", "--improve-route", "--settings", "s.ini", "info", "a.zrv"},
     false,
     "info",
     "",
     ','},
    {"send a program to a port",
     {"--port", "/dev/ttyUSB0", "send", "a.zrv"},
     false,
     "send",
     "",
     '.'},
    {"send with rate and log",
     {"--port", "/dev/ttyACM0", "--baud", "57600", "--log", "b.log", "send", "a.zrv"},
     false,
     "send",
     "",
     '.'},
    {"send without port", {"send", "a.zrv"}, true, "", "", '.'},
    {"send with a second argument", {"--port", "p", "send", "a.zrv", "b"}, true, "", "", '.'},
    {"send at a rate no port knows",
     {"--port", "p", "--baud", "1234", "send", "a.zrv"},
     true,
     "",
     "",
     '.'},
    {"send at a rate that is no number",
     {"--port", "p", "--baud", "9600x", "send", "a.zrv"},
     true,
     "",
     "",
     '.'},
    {"port for another command", {"--port", "p", "info", "a.zrv"}, true, "", "", '.'},
    {"log for another command", {"--log", "l", "gcode", "a.zrv"}, true, "", "", '.'},
};

TEST(CliArguments, TheContractOfTheCommandLine) {
    for (const ArgumentCase& c : kArgumentCases) {
        SCOPED_TRACE(c.name);
        const auto parsed = parseCliArguments(c.args, kCLocale);
        ASSERT_EQ(std::holds_alternative<UsageError>(parsed), c.usage);
        if (c.usage) {
            EXPECT_FALSE(std::get<UsageError>(parsed).reason.empty());
            continue;
        }
        const CliRequest& request = std::get<CliRequest>(parsed);
        EXPECT_EQ(request.command, c.command);
        EXPECT_EQ(request.drawing, "a.zrv");
        EXPECT_EQ(request.argument, c.argument);
        EXPECT_EQ(request.locale.decimal, c.decimal);
        EXPECT_EQ(request.improveRoute,
                  std::count(c.args.begin(), c.args.end(), "--improve-route") == 1);
    }
}

TEST(CliArguments, SettingsFileIsTaken) {
    const auto parsed = parseCliArguments(
        std::vector<std::string>{"--settings", "/x/zrvcam.ini", "info", "a.zrv"}, kGermanLocale);
    const CliRequest& request = std::get<CliRequest>(parsed);
    EXPECT_EQ(request.settingsPath, std::optional<std::string>("/x/zrvcam.ini"));
    EXPECT_EQ(request.locale.decimal, ',');  // the default given
    EXPECT_EQ(request.machinePath, std::nullopt);
    const auto withMachine = parseCliArguments(
        std::vector<std::string>{"--machine", "/x/grbl.txt", "info", "a.zrv"}, kGermanLocale);
    EXPECT_EQ(std::get<CliRequest>(withMachine).machinePath,
              std::optional<std::string>("/x/grbl.txt"));
}

// Sets environment variables for one test and puts the old values back.
class Environment {
  public:
    Environment() {
        for (const char* name : kNames) {
            const char* value = std::getenv(name);
            saved_.push_back(value == nullptr ? std::nullopt : std::optional<std::string>(value));
        }
    }
    ~Environment() {
        for (std::size_t i = 0; i < std::size(kNames); ++i) {
            set(kNames[i], saved_[i]);
        }
    }
    void set(const char* name, const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name, value->c_str(), 1);
        } else {
            ::unsetenv(name);
        }
    }

    static constexpr const char* kNames[] = {"LC_ALL", "LC_NUMERIC", "LANG"};

  private:
    std::vector<std::optional<std::string>> saved_;
};

TEST(CliArguments, TheFirstLocaleVariableSetDecides) {
    struct Case {
        const char* name;
        std::optional<std::string> all, numeric, lang;
        char decimal;
    };
    const Case cases[] = {
        {"none set", {}, {}, {}, '.'},
        {"LANG German", {}, {}, "de_DE.UTF-8", ','},
        {"LC_NUMERIC before LANG", {}, "C", "de_DE.UTF-8", '.'},
        {"LC_ALL before the rest", "de_AT.UTF-8", "C", "C", ','},
        {"empty counts as not set", "", "", "de_CH", ','},
        {"English", {}, {}, "en_GB.UTF-8", '.'},
        {"German language only", "de", {}, {}, ','},
    };
    Environment environment;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        environment.set("LC_ALL", c.all);
        environment.set("LC_NUMERIC", c.numeric);
        environment.set("LANG", c.lang);
        EXPECT_EQ(environmentLocale().decimal, c.decimal);
    }
}

}  // namespace
}  // namespace zrv
