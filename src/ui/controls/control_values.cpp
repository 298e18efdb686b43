#include "ui/controls/control_values.h"

#include <array>
#include <cstddef>

#include "ui/common/qt_text.h"
#include "ui/controls/depth_step_boxes.h"

namespace zrv {

namespace {

// Every parameter box beside its row, in the settings file's order.
template <class Visit>
void forEachParameterBox(const Controls& c, Visit visit) {
    for (std::size_t g = 0; g < kParameterGroups.size(); ++g) {
        for (std::size_t r = 0; r < kParameterRoles; ++r) {
            visit(c.parameterBoxes[g][r], (*kParameterGroups[g])[r]);
        }
    }
}

void fill(QComboBox* box, const std::vector<std::string>& items) {
    box->clear();
    for (const std::string& item : items) {
        box->addItem(qs(item));
    }
}

}  // namespace

int checkValue(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Unchecked:
            return 0;
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            break;
    }
    return 2;
}

void setCheckValue(QCheckBox* box, int value) {
    if (value == 2) {
        box->setCheckState(Qt::PartiallyChecked);
        return;
    }
    box->setCheckState(value == 1 ? Qt::Checked : Qt::Unchecked);
    box->setTristate(false);
}

std::string comboText(const QComboBox* box) {
    return utf8(box->currentText());
}

void setComboText(QComboBox* box, std::string_view text) {
    box->setEditText(qs(text));
}

Parameters readParameters(const Controls& controls) {
    Parameters parameters;
    forEachParameterBox(controls, [&](const QComboBox* box, const ParameterRow& row) {
        parameters.*row.text = comboText(box);
    });
    return parameters;
}

void writeParameters(Controls& controls, const Parameters& parameters) {
    forEachParameterBox(controls, [&](QComboBox* box, const ParameterRow& row) {
        setComboText(box, parameters.*row.text);
    });
}

Choices readChoices(const Controls& c, const WindowState& state) {
    Choices choices;
    for (std::size_t i = 0; i < kSwitches.size(); ++i) {
        switchValue(choices, kSwitches[i]) = checkValue(c.checks[i]);
    }
    choices.prepare.Combo_BOHRUNGEN_OPTIMIEREN = comboText(c.Combo_BOHRUNGEN_OPTIMIEREN);
    choices.prepare.Combo_FRAESUNGEN_OPTIMIEREN = comboText(c.Combo_FRAESUNGEN_OPTIMIEREN);
    ViewChoices& v = choices.view;
    v.Command_FARBE_VIEW_BOHRUNGEN = c.Command_FARBE_VIEW_BOHRUNGEN->colour();
    v.Command_FARBE_WEG_BOHRUNGEN = c.Command_FARBE_WEG_BOHRUNGEN->colour();
    v.Command_FARBE_VIEW_FRAESUNGEN = c.Command_FARBE_VIEW_FRAESUNGEN->colour();
    v.Command_FARBE_WEG_FRAESUNGEN = c.Command_FARBE_WEG_FRAESUNGEN->colour();
    choices.parameters = readParameters(c);
    choices.steps = readDepthSteps(c.Combo_ZUSTELLUNG, c.Combo_BOHREN_IN_STUFEN);
    choices.calibration = state.calibration;
    choices.paths = state.paths;
    choices.machine = state.machine;
    choices.probe = state.probe;
    return choices;
}

// Only a box's change raises an effect, so the boxes go first, in the order of kSwitches.
void applyChoices(Controls& c, WindowState& state, const Choices& choices) {
    state.paths = choices.paths;
    state.calibration = choices.calibration;
    state.machine = choices.machine;
    state.probe = choices.probe;
    for (std::size_t i = 0; i < kSwitches.size(); ++i) {
        setCheckValue(c.checks[i], switchValue(choices, kSwitches[i]));
    }
    setComboText(c.Combo_BOHRUNGEN_OPTIMIEREN, choices.prepare.Combo_BOHRUNGEN_OPTIMIEREN);
    setComboText(c.Combo_FRAESUNGEN_OPTIMIEREN, choices.prepare.Combo_FRAESUNGEN_OPTIMIEREN);
    writeDepthSteps(c.Combo_ZUSTELLUNG, c.Combo_BOHREN_IN_STUFEN, choices.steps);
    const ViewChoices& v = choices.view;
    c.Command_FARBE_VIEW_BOHRUNGEN->setColour(v.Command_FARBE_VIEW_BOHRUNGEN);
    c.Command_FARBE_WEG_BOHRUNGEN->setColour(v.Command_FARBE_WEG_BOHRUNGEN);
    c.Command_FARBE_VIEW_FRAESUNGEN->setColour(v.Command_FARBE_VIEW_FRAESUNGEN);
    c.Command_FARBE_WEG_FRAESUNGEN->setColour(v.Command_FARBE_WEG_FRAESUNGEN);
    writeParameters(c, choices.parameters);
}

void fillChoiceLists(Controls& c, const ChoiceLists& lists) {
    fill(c.Combo_BOHRUNGEN_OPTIMIEREN, lists.levels);
    fill(c.Combo_FRAESUNGEN_OPTIMIEREN, lists.levels);
    forEachParameterBox(
        c, [&](QComboBox* box, const ParameterRow& row) { fill(box, lists.of(row.choices)); });
}

}  // namespace zrv
