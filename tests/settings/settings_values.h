#pragma once

#include <string>
#include <utility>
#include <vector>

#include "settings/settings_file.h"

namespace zrv::test {

// Every value of the settings as (name, text), listed by hand so that a field the file forgets
// shows up as a difference.
using ValueList = std::vector<std::pair<std::string, std::string>>;
ValueList describe(const Settings& settings);

// The factory settings without a last drawing.
Settings factorySettings(NumberLocale locale);

// Settings in which every value differs from the factory one; typed parameter texts that no
// list offers, decimal commas, non-ASCII Windows-1252 characters in the paths.
Settings changedSettings();

}  // namespace zrv::test
