#include "ui/controls/control_values.h"

#include <array>
#include <cstddef>
#include <utility>

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

// Every check box beside its value in the choices, in the settings file's order; the values
// are const where the choices are.
template <class SomeChoices>
auto checkBoxes(const Controls& c, SomeChoices& choices) {
    auto& v = choices.view;
    auto& p = choices.prepare;
    auto& f = choices.filter;
    auto& e = choices.exports;
    return std::array<std::pair<QCheckBox*, decltype(&v.Check_VIEW_RASTER)>, 25>{{
        {c.Check_VIEW_RASTER, &v.Check_VIEW_RASTER},
        {c.Check_VIEW_LINEAL, &v.Check_VIEW_LINEAL},
        {c.Check_BEREICH, &v.Check_BEREICH},
        {c.Check_NULL_PUNKT, &v.Check_NULL_PUNKT},
        {c.Check_BUENDIG, &p.Check_BUENDIG},
        {c.Check_SPIEGELN_HORIZONTAL, &p.Check_SPIEGELN_HORIZONTAL},
        {c.Check_FARBE_ROT, &f.Check_FARBE_ROT},
        {c.Check_FARBE_GRUEN, &f.Check_FARBE_GRUEN},
        {c.Check_FARBE_BLAU, &f.Check_FARBE_BLAU},
        {c.Check_FARBE_GRAU, &f.Check_FARBE_GRAU},
        {c.Check_FARBE_SCHWARZ, &f.Check_FARBE_SCHWARZ},
        {c.Check_FARBE_ALLE, &f.Check_FARBE_ALLE},
        {c.Check_ENABLED_BOHRUNGEN, &f.Check_ENABLED_BOHRUNGEN},
        {c.Check_ENABLED_LINIEN, &f.Check_ENABLED_LINIEN},
        {c.Check_ENABLED_RECHTECKE, &f.Check_ENABLED_RECHTECKE},
        {c.Check_ENABLED_POLYGONE, &f.Check_ENABLED_POLYGONE},
        {c.Check_ENABLED_KREISE, &f.Check_ENABLED_KREISE},
        {c.Check_VIEW_BOHRUNGEN, &v.Check_VIEW_BOHRUNGEN},
        {c.Check_WEG_BOHRUNGEN, &v.Check_WEG_BOHRUNGEN},
        {c.Check_VIEW_FRAESUNGEN, &v.Check_VIEW_FRAESUNGEN},
        {c.Check_WEG_FRAESUNGEN, &v.Check_WEG_FRAESUNGEN},
        {c.Check_EXPORT_BOHRUNG, &e.Check_EXPORT_BOHRUNG},
        {c.Check_EXPORT_FRAESUNG, &e.Check_EXPORT_FRAESUNG},
        {c.Check_EXPORT_VORSCHAU, &e.Check_EXPORT_VORSCHAU},
        {c.Check_EXPORT_GRBL_INFO, &e.Check_EXPORT_GRBL_INFO},
    }};
}

// The boxes the settings file has no line for; the file beside it keeps them.
template <class SomeChoices>
auto extraCheckBoxes(const Controls& c, SomeChoices& choices) {
    auto& p = choices.prepare;
    return std::array<std::pair<QCheckBox*, decltype(&p.Check_BUENDIG)>, 2>{{
        {c.Check_BOHRUNGEN_WEG_VERBESSERN, &p.Check_BOHRUNGEN_WEG_VERBESSERN},
        {c.Check_FRAESUNGEN_WEG_VERBESSERN, &p.Check_FRAESUNGEN_WEG_VERBESSERN},
    }};
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
    for (const auto& [box, value] : checkBoxes(c, choices)) {
        *value = checkValue(box);
    }
    for (const auto& [box, value] : extraCheckBoxes(c, choices)) {
        *value = checkValue(box);
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
    return choices;
}

// Only a box's change raises an effect, so the boxes go first, in the settings file's order.
void applyChoices(Controls& c, WindowState& state, const Choices& choices) {
    state.paths = choices.paths;
    state.calibration = choices.calibration;
    state.machine = choices.machine;
    for (const auto& [box, value] : checkBoxes(c, choices)) {
        setCheckValue(box, *value);
    }
    for (const auto& [box, value] : extraCheckBoxes(c, choices)) {
        setCheckValue(box, *value);
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
