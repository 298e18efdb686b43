#include "ui/controls/status_display.h"

#include "base/file_names.h"
#include "gcode/format_length.h"
#include "job/job_figures.h"
#include "settings/settings_file.h"
#include "text/number_format.h"
#include "ui/common/qt_text.h"
#include "ui/controls/control_values.h"

namespace zrv {

StatusDisplay::StatusDisplay(QTimer* timer, QMainWindow& window, Controls& controls, Menus& menus,
                             WindowState& state, const WindowSetup& setup, const Clock& clock)
    : QObject(&window),
      timer_(timer),
      window_(window),
      controls_(controls),
      menus_(menus),
      state_(state),
      setup_(setup),
      clock_(clock) {
    timer_->setObjectName(QStringLiteral("Timer_ANZEIGE"));
    timer_->setInterval(200);
    connect(timer_, &QTimer::timeout, this, &StatusDisplay::tick);
}

std::string StatusDisplay::number(double value) const {
    return numberText(value, setup_.locale);
}

void StatusDisplay::start() {
    menus_.Menue_VERSION->setText(qs(setup_.programName + "   Version: " + number(kRevision)));
    menus_.MENUE_PROGRAMM_PARAMETER->setText(qs("Programm Paramer: " + setup_.commandLine));
    // Files are opened and closed within one operation: the next free number is always 1. The
    // other entries below the extents stay empty.
    menus_.MENUE_INTERN[12]->setText(QStringLiteral("FreeFile:1"));
    timer_->start();
}

void StatusDisplay::tick() {
    window_.setWindowTitle(
        qs(clock_.timeText() + "  " + DATEI_OHNE_PFAD(state_.program.file.DATEI_NAME)));
    showCaptions();
    const JobFigures& shown = figures();
    showCountsAndTravel(shown);
    showTimes(shown);
    showDeveloperCaptions();
}

const JobFigures& StatusDisplay::figures() {
    const Choices choices = readChoices(controls_, state_);
    FiguresInput input{state_.program.storeGeneration, choices.parameters, choices.steps};
    if (figuresFor_ != input) {
        figures_ = jobFigures(state_.program, choices, setup_.locale, Planning::Skip);
        figuresFor_ = std::move(input);
    }
    return figures_;
}

void StatusDisplay::showCaptions() {
    const Calibration& calibration = state_.calibration;
    menus_.STRECKE_ZIRVA->setText(
        qs("STRECKE-ZIRVA: " + number(calibration.STRECKE_ZIRVA_WERT) + " mm"));
    menus_.STRECKE_ORIGINAL->setText(
        qs("STRECKE-ORIGINAL: " + number(calibration.STRECKE_ORIGINAL_WERT) + " mm"));

    const ProgramPaths& paths = state_.paths;
    menus_.MENUE_PROGRAMM_EDITOR->setText(qs("RROGRAMM_EDITOR: " + paths.PROGRAMM_EDITOR));
    menus_.MENUE_PROGRAMM_ZIRVA40->setText(qs("PROGRAMM ZIRVA4.0: " + paths.PROGRAMM_ZIRVA40));
    menus_.MENUE_PROGRAMM_ZIRVA50->setText(qs("PROGRAMM ZIRVA5.0: " + paths.PROGRAMM_ZIRVA50));
    menus_.MENUE_PROGRAMM_ZIRVA60->setText(qs("PROGRAMM ZIRVA6.0: " + paths.PROGRAMM_ZIRVA60));
    menus_.MENUE_PROGRAMM_ZIRVA70->setText(qs("PROGRAMM ZIRVA7.0: " + paths.PROGRAMM_ZIRVA70));
    menus_.MENUE_PROGRAMM_CNC->setText(qs("PROGRAMM CNC: " + paths.PROGRAMM_CNC));
}

void StatusDisplay::showCountsAndTravel(const JobFigures& figures) {
    const FigureStore& store = state_.program.store;
    const std::string holes = number(static_cast<double>(store.PUNKTE.size()));
    controls_.Label_BOHRUNGEN_ANZAHL->setText(qs(holes));
    controls_.Frame_BOHRUNGEN->setTitle(qs("Bohrungen: " + holes));
    controls_.Frame_FRAESUNGEN->setTitle(
        qs("Fräsungen: " + number(static_cast<double>(store.FRAESUNGEN.size()))));
    controls_.Label_LINIEN_ANZAHL->setText(qs(number(static_cast<double>(store.LINIEN.size()))));
    controls_.Label_RECHTECKE_ANZAHL->setText(
        qs(number(static_cast<double>(store.RECHTECKE.size()))));
    controls_.Label_POLYGONE_ANZAHL->setText(
        qs(number(static_cast<double>(store.POLYGONE.size()))));
    controls_.Label_KREISE_ANZAHL->setText(qs(number(static_cast<double>(store.KREISE.size()))));

    controls_.Label_BOHRUNGEN_FAHRWEG->setText(
        qs(FORMAT_LAENGE(figures.FAHRWEG_BOHRUNGEN, setup_.locale)));
    controls_.Label_FRAESUNGEN_FAHRWEG->setText(
        qs(FORMAT_LAENGE(figures.FAHRWEG_FRAESUNGEN, setup_.locale)));
}

void StatusDisplay::showTimes(const JobFigures& figures) {
    controls_.Label_FRAESUNGEN_ZEIT->setText(
        qs(formatPattern(figures.ZEIT_FRAESUNGEN, "#,##0", setup_.locale) + "min "));
    controls_.Label_BOHRUNGEN_ZEIT->setText(
        qs(formatPattern(figures.ZEIT_BOHRUNGEN, "#,##0", setup_.locale) + "min "));
}

void StatusDisplay::showDeveloperCaptions() {
    const Extents& extents = state_.program.store.extents;
    menus_.MENUE_INTERN[0]->setText(qs("X-min " + number(extents.X_MIN) + "mm"));
    menus_.MENUE_INTERN[1]->setText(qs("Y-min " + number(extents.Y_MIN) + "mm"));
    menus_.MENUE_INTERN[2]->setText(qs("X-max " + number(extents.X_MAX) + "mm"));
    menus_.MENUE_INTERN[3]->setText(qs("y-max " + number(extents.Y_MAX) + "mm"));
}

}  // namespace zrv
