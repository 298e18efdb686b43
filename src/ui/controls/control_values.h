#pragma once

#include <string>
#include <string_view>

#include "settings/choices.h"
#include "settings/factory_values.h"
#include "ui/common/window_state.h"
#include "ui/controls/controls.h"

namespace zrv {

// A check box's value as the rest of the program counts it: 0 unticked, 1 ticked, 2 greyed.
int checkValue(const QCheckBox* box);
// Setting a different value raises the box's effect, as a click would.
void setCheckValue(QCheckBox* box, int value);

std::string comboText(const QComboBox* box);
// Setting a box's text by program raises no effect.
void setComboText(QComboBox* box, std::string_view text);

Parameters readParameters(const Controls& controls);
void writeParameters(Controls& controls, const Parameters& parameters);

// The snapshot of every choice, made when an operation starts.
Choices readChoices(const Controls& controls, const WindowState& state);

// Puts stored choices into the controls and the state, in the order of the settings file.
void applyChoices(Controls& controls, WindowState& state, const Choices& choices);

// START_WERTE's lists: every parameter and level box emptied and filled anew.
void fillChoiceLists(Controls& controls, const ChoiceLists& lists);

}  // namespace zrv
