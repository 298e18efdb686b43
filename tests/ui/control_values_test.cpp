#include <gtest/gtest.h>

#include <QCheckBox>
#include <QWidget>

#include "ui/controls/control_values.h"
#include "ui/window/window_panel.h"

namespace zrv {
namespace {

// A check box found by the name the window gives it, beside its value in the choices.
struct NamedCheck {
    const char* name;
    int& (*value)(Choices&);
};

// clang-format off
const NamedCheck kChecks[] = {
    {"Check_VIEW_RASTER", [](Choices& x) -> int& { return x.view.Check_VIEW_RASTER; }},
    {"Check_VIEW_LINEAL", [](Choices& x) -> int& { return x.view.Check_VIEW_LINEAL; }},
    {"Check_BEREICH", [](Choices& x) -> int& { return x.view.Check_BEREICH; }},
    {"Check_NULL_PUNKT", [](Choices& x) -> int& { return x.view.Check_NULL_PUNKT; }},
    {"Check_BÜNDIG", [](Choices& x) -> int& { return x.prepare.Check_BUENDIG; }},
    {"Check_SPIEGELN_HORIZONTAL", [](Choices& x) -> int& { return x.prepare.Check_SPIEGELN_HORIZONTAL; }},
    {"Check_FARBE_ROT", [](Choices& x) -> int& { return x.filter.Check_FARBE_ROT; }},
    {"Check_FARBE_GRÜN", [](Choices& x) -> int& { return x.filter.Check_FARBE_GRUEN; }},
    {"Check_FARBE_BLAU", [](Choices& x) -> int& { return x.filter.Check_FARBE_BLAU; }},
    {"Check_FARBE_GRAU", [](Choices& x) -> int& { return x.filter.Check_FARBE_GRAU; }},
    {"Check_FARBE_SCHWARZ", [](Choices& x) -> int& { return x.filter.Check_FARBE_SCHWARZ; }},
    {"Check_FARBE_ALLE", [](Choices& x) -> int& { return x.filter.Check_FARBE_ALLE; }},
    {"Check_ENABLED_BOHRUNGEN", [](Choices& x) -> int& { return x.filter.Check_ENABLED_BOHRUNGEN; }},
    {"Check_ENABLED_LINIEN", [](Choices& x) -> int& { return x.filter.Check_ENABLED_LINIEN; }},
    {"Check_ENABLED_RECHTECKE", [](Choices& x) -> int& { return x.filter.Check_ENABLED_RECHTECKE; }},
    {"Check_ENABLED_POLYGONE", [](Choices& x) -> int& { return x.filter.Check_ENABLED_POLYGONE; }},
    {"Check_ENABLED_KREISE", [](Choices& x) -> int& { return x.filter.Check_ENABLED_KREISE; }},
    {"Check_VIEW_BOHRUNGEN", [](Choices& x) -> int& { return x.view.Check_VIEW_BOHRUNGEN; }},
    {"Check_WEG_BOHRUNGEN", [](Choices& x) -> int& { return x.view.Check_WEG_BOHRUNGEN; }},
    {"Check_VIEW_FRÄSUNGEN", [](Choices& x) -> int& { return x.view.Check_VIEW_FRAESUNGEN; }},
    {"Check_WEG_FRÄSUNGEN", [](Choices& x) -> int& { return x.view.Check_WEG_FRAESUNGEN; }},
    {"Check_EXPORT_BOHRUNG", [](Choices& x) -> int& { return x.exports.Check_EXPORT_BOHRUNG; }},
    {"Check_EXPORT_FRÄSUNG", [](Choices& x) -> int& { return x.exports.Check_EXPORT_FRAESUNG; }},
    {"Check_EXPORT_VORSCHAU", [](Choices& x) -> int& { return x.exports.Check_EXPORT_VORSCHAU; }},
    {"Check_EXPORT_GRBL_INFO", [](Choices& x) -> int& { return x.exports.Check_EXPORT_GRBL_INFO; }},
    {"Check_BOHRUNGEN_WEG_VERBESSERN", [](Choices& x) -> int& { return x.prepare.Check_BOHRUNGEN_WEG_VERBESSERN; }},
    {"Check_FRÄSUNGEN_WEG_VERBESSERN", [](Choices& x) -> int& { return x.prepare.Check_FRAESUNGEN_WEG_VERBESSERN; }},
};
// clang-format on

class ControlValuesTest : public ::testing::Test {
  protected:
    ControlValuesTest() { buildPanel(&parent_, controls_); }

    QCheckBox* box(const char* name) const {
        return parent_.findChild<QCheckBox*>(QString::fromUtf8(name));
    }

    static Choices allChecks(int value) {
        Choices choices;
        for (const NamedCheck& check : kChecks) {
            check.value(choices) = value;
        }
        return choices;
    }

    QWidget parent_;
    Controls controls_;
    WindowState state_;
};

// One box ticked at a time: exactly the box of that name shows it, and reading the controls
// gives the value back in its own place.
TEST_F(ControlValuesTest, EveryCheckValueReachesTheBoxOfItsNameAndComesBack) {
    for (const NamedCheck& ticked : kChecks) {
        SCOPED_TRACE(ticked.name);
        Choices choices = allChecks(0);
        ticked.value(choices) = 1;
        applyChoices(controls_, state_, choices);
        Choices read = readChoices(controls_, state_);
        for (const NamedCheck& check : kChecks) {
            SCOPED_TRACE(check.name);
            ASSERT_NE(box(check.name), nullptr);
            EXPECT_EQ(box(check.name)->isChecked(), &check == &ticked);
            EXPECT_EQ(check.value(read), check.value(choices));
        }
    }
}

TEST_F(ControlValuesTest, GreyedBoxesStayGreyedUntilSetPlainAgain) {
    applyChoices(controls_, state_, allChecks(2));
    Choices read = readChoices(controls_, state_);
    for (const NamedCheck& check : kChecks) {
        SCOPED_TRACE(check.name);
        EXPECT_EQ(box(check.name)->checkState(), Qt::PartiallyChecked);
        EXPECT_EQ(check.value(read), 2);
    }
    applyChoices(controls_, state_, allChecks(0));
    read = readChoices(controls_, state_);
    for (const NamedCheck& check : kChecks) {
        SCOPED_TRACE(check.name);
        EXPECT_FALSE(box(check.name)->isTristate()) << "a click must not grey it again";
        EXPECT_EQ(check.value(read), 0);
    }
}

TEST_F(ControlValuesTest, TextsColoursCalibrationAndPathsComeBackUnchanged) {
    Choices choices;
    choices.prepare.Combo_BOHRUNGEN_OPTIMIEREN = "3-schnell";
    choices.prepare.Combo_FRAESUNGEN_OPTIMIEREN = "0-aus";
    choices.view.Command_FARBE_VIEW_BOHRUNGEN = rgb(1, 2, 3);
    choices.view.Command_FARBE_WEG_BOHRUNGEN = rgb(4, 5, 6);
    choices.view.Command_FARBE_VIEW_FRAESUNGEN = rgb(7, 8, 9);
    choices.view.Command_FARBE_WEG_FRAESUNGEN = rgb(10, 11, 12);
    choices.parameters.Combo_BOHRUNG_TIEFE = "-2,5";
    choices.parameters.Combo_FRAESUNG_VORSCHUB_XY = "250 mm/min";
    choices.calibration.STRECKE_ZIRVA_WERT = 7.5;
    choices.paths.PROGRAMM_CNC = "/opt/sender";
    applyChoices(controls_, state_, choices);

    EXPECT_EQ(controls_.Combo_FRAESUNGEN_OPTIMIEREN->currentText(), "0-aus");
    EXPECT_EQ(state_.calibration.STRECKE_ZIRVA_WERT, 7.5);
    const Choices read = readChoices(controls_, state_);
    EXPECT_EQ(read.prepare.Combo_BOHRUNGEN_OPTIMIEREN, "3-schnell");
    EXPECT_EQ(read.prepare.Combo_FRAESUNGEN_OPTIMIEREN, "0-aus");
    EXPECT_EQ(read.view.Command_FARBE_VIEW_BOHRUNGEN, rgb(1, 2, 3));
    EXPECT_EQ(read.view.Command_FARBE_WEG_BOHRUNGEN, rgb(4, 5, 6));
    EXPECT_EQ(read.view.Command_FARBE_VIEW_FRAESUNGEN, rgb(7, 8, 9));
    EXPECT_EQ(read.view.Command_FARBE_WEG_FRAESUNGEN, rgb(10, 11, 12));
    EXPECT_EQ(read.parameters.Combo_BOHRUNG_TIEFE, "-2,5");
    EXPECT_EQ(read.parameters.Combo_FRAESUNG_VORSCHUB_XY, "250 mm/min");
    EXPECT_EQ(read.calibration.STRECKE_ZIRVA_WERT, 7.5);
    EXPECT_EQ(read.paths.PROGRAMM_CNC, "/opt/sender");
}

}  // namespace
}  // namespace zrv
