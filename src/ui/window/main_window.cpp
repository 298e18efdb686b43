#include "ui/window/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QVBoxLayout>
#include <cstddef>
#include <utility>

#include "ui/common/qt_text.h"
#include "ui/controls/colour_choice.h"
#include "ui/controls/preview_redraw.h"
#include "ui/controls/status_display.h"
#include "ui/controls/window_progress.h"
#include "ui/flows/developer_exports.h"
#include "ui/flows/export_flow.h"
#include "ui/flows/height_map_flow.h"
#include "ui/flows/load_flow.h"
#include "ui/flows/machine_flow.h"
#include "ui/flows/option_actions.h"
#include "ui/flows/preview_save.h"
#include "ui/flows/settings_flow.h"
#include "ui/machine/controller_panel.h"
#include "ui/machine/machine_panel_flow.h"
#include "ui/machine/serial_port.h"
#include "ui/platform/outside_programs.h"
#include "ui/widgets/coordinate_lists.h"
#include "ui/widgets/list_double_click.h"
#include "ui/widgets/preview_widget.h"
#include "ui/widgets/reference_window.h"
#include "ui/window/window_menus.h"
#include "ui/window/window_panel.h"

namespace zrv {

namespace {

// The design size of the window's client area: 17460 x 10836 twips at 15 twips per pixel.
constexpr int kDesignWidth = 1164;
constexpr int kDesignHeight = 722;

template <class Receiver>
void onTrigger(QAction* action, Receiver* receiver, void (Receiver::*handler)()) {
    QObject::connect(action, &QAction::triggered, [receiver, handler] { (receiver->*handler)(); });
}

template <class Receiver>
void onClick(QAbstractButton* button, Receiver* receiver, void (Receiver::*handler)()) {
    QObject::connect(button, &QAbstractButton::clicked,
                     [receiver, handler] { (receiver->*handler)(); });
}

}  // namespace

MainWindow::MainWindow(WindowSetup setup, Platform& platform)
    : setup_(std::move(setup)), platform_(platform), clock_(setup_.locale) {
    setObjectName(QStringLiteral("HAUPT"));
    setWindowTitle(qs(setup_.programName));
    // Nothing is loaded yet: every extent reads 0, as every count does.
    state_.program.store.extents = {0, 0, 0, 0};
    buildWindow();
    createFlows();
    connectChecks();
    connectButtons();
    connectMenus();
    connectOutsidePrograms();
    connectDeveloperMenu();
    connectHelpMenu();
    connectHeightMapMenu();
    connectColours();
    createMachinePanel();
    formLoad();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow() {
    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    controls_.Picture1 = new PreviewWidget(central, setup_.locale);
    controls_.Picture1->setMinimumSize(320, 200);
    controls_.Label_POSITION = new QLabel(central);
    controls_.Label_POSITION->setObjectName(QStringLiteral("Label_POSITION"));
    controls_.List1 = new QListWidget(central);
    controls_.List1->setObjectName(QStringLiteral("List1"));
    controls_.List1->setStyleSheet(
        QStringLiteral("QListWidget { background: rgb(224, 224, 224); }"));
    left->addWidget(controls_.Picture1, 373);
    left->addWidget(controls_.Label_POSITION);
    left->addWidget(controls_.List1, 323);
    columns->addLayout(left, 1);
    jobPanel_ = buildPanel(central, controls_);
    columns->addWidget(jobPanel_);
    setCentralWidget(central);
    buildMenus(menuBar(), menus_);
    resize(kDesignWidth, kDesignHeight + menuBar()->sizeHint().height());

    timers_.Timer_START = new QTimer(this);
    timers_.Timer_START->setObjectName(QStringLiteral("Timer_START"));
    timers_.Timer_START->setInterval(100);
    timers_.Timer_START->setSingleShot(true);
    timers_.Timer_ANZEIGE = new QTimer(this);
    timers_.Timer_ZEICHNEN = new QTimer(this);
}

void MainWindow::createFlows() {
    redraw_ = new PreviewRedraw(
        timers_.Timer_ZEICHNEN, controls_, menus_, state_, setup_.locale,
        [this] { return queue_.busy(); }, this);
    progress_ = std::make_unique<WindowProgress>(*this, controls_, menus_, platform_, *redraw_,
                                                 setup_.programName);
    host_.emplace(Host{*progress_, clock_, setup_.locale});
    status_ =
        new StatusDisplay(timers_.Timer_ANZEIGE, *this, controls_, menus_, state_, setup_, clock_);
    machine_ =
        std::make_unique<MachineFlow>(state_, controls_, platform_, *host_, setup_.programName);
    load_ = std::make_unique<LoadFlow>(state_, controls_, platform_, *host_, queue_,
                                       [this] { machine_->showJobTime(); });
    settings_ =
        std::make_unique<SettingsFlow>(state_, controls_, setup_, *progress_,
                                       [this](std::string path) { load_->load(std::move(path)); });
    export_ = std::make_unique<ExportFlow>(
        state_, controls_, platform_, *host_, queue_, *redraw_,
        [this] { return settings_->PARAMETER_SPEICHERN(); },
        [this](const JobTime& time) { machine_->showJobTime(time); }, setup_.programName);
    options_ = std::make_unique<OptionActions>(state_, controls_, menus_, platform_, setup_.locale,
                                               [this] { load_->MENUE_REFRESH_DATEI_Click(); });
    programs_ = std::make_unique<OutsidePrograms>(state_, platform_, setup_, [this] { close(); });
    exports_ =
        std::make_unique<DeveloperExports>(state_, controls_, platform_, *host_, queue_, setup_);
    help_ = std::make_unique<HelpMenu>(this, controls_.List1, setup_.locale);
    heightMap_ = std::make_unique<HeightMapFlow>(state_, controls_, platform_, *host_,
                                                 setup_.programName, [this] {
                                                     redraw_->request();
                                                     machine_->showJobTime();
                                                 });
}

void MainWindow::connectHeightMapMenu() {
    const Menus& m = menus_;
    HeightMapFlow* h = heightMap_.get();
    onTrigger(m.MENUE_TASTPROGRAMM, h, &HeightMapFlow::MENUE_TASTPROGRAMM_Click);
    onTrigger(m.MENUE_TASTPROTOKOLL_LADEN, h, &HeightMapFlow::MENUE_TASTPROTOKOLL_LADEN_Click);
    onTrigger(m.MENUE_HOEHENKARTE_VERWERFEN, h, &HeightMapFlow::MENUE_HOEHENKARTE_VERWERFEN_Click);
    for (std::size_t i = 0; i < m.MENUE_ANTASTEN_WAHL.size(); ++i) {
        connect(m.MENUE_ANTASTEN_WAHL[i], &QAction::triggered, [h, i] { h->chooseProbeValue(i); });
    }
    // A box that reloads is judged by the load itself, after it has emptied the status list.
    for (std::size_t i = 0; i < kSwitches.size(); ++i) {
        if (kSwitches[i].click != ClickEffect::Reload) {
            connect(controls_.checks[i], &QCheckBox::stateChanged, [h] { h->choicesChanged(); });
        }
    }
}

// A check box's effect follows every change of its value, by the user or by the program.
void MainWindow::connectChecks() {
    const Controls& c = controls_;
    for (std::size_t i = 0; i < kSwitches.size(); ++i) {
        switch (kSwitches[i].click) {
            case ClickEffect::Redraw:
                connect(c.checks[i], &QCheckBox::stateChanged, redraw_, &PreviewRedraw::request);
                break;
            case ClickEffect::Reload:
                connect(c.checks[i], &QCheckBox::stateChanged,
                        [this] { load_->MENUE_REFRESH_DATEI_Click(); });
                break;
            case ClickEffect::None:
                break;
        }
    }
    // Only a choice from the list reloads; a text set by the program does not.
    for (QComboBox* box : {c.Combo_BOHRUNGEN_OPTIMIEREN, c.Combo_FRAESUNGEN_OPTIMIEREN}) {
        connect(box, &QComboBox::activated, [this] { load_->MENUE_REFRESH_DATEI_Click(); });
    }
    // The milling travel beside "Weg" counts every pass; the last milling box is its depth.
    // Only what the user types redraws: the settings applied at the start must not.
    for (QComboBox* box : {c.Combo_ZUSTELLUNG, c.parameterBoxes[1].back()}) {
        connect(box->lineEdit(), &QLineEdit::textEdited, redraw_, &PreviewRedraw::request);
    }
}

void MainWindow::connectButtons() {
    onClick(controls_.Command_BOHRUNG_STANDARD, options_.get(),
            &OptionActions::Command_BOHRUNG_STANDARD_Click);
    onClick(controls_.Command_FRAESUNG_STANDARD, options_.get(),
            &OptionActions::Command_FRAESUNG_STANDARD_Click);
    onClick(controls_.Command_EXPORT_GERBER, export_.get(),
            &ExportFlow::Command_EXPORT_GERBER_Click);
    connect(timers_.Timer_START, &QTimer::timeout, this, &MainWindow::Timer_START_Timer);
}

void MainWindow::connectMenus() {
    Menus& m = menus_;
    connect(m.MENUE_ZIRVA_OEFFNEN, &QAction::triggered, [this] {
        if (machineRun_->releaseJob("Ein Job läuft. Ihn anhalten (Halt, dann Reset) und eine "
                                    "andere Zeichnung öffnen?")) {
            load_->MENUE_ZIRVA_OEFFNEN_Click();
        }
    });
    onTrigger(m.MENUE_REFRESH_DATEI, load_.get(), &LoadFlow::MENUE_REFRESH_DATEI_Click);
    connect(m.MENUE_ENDE, &QAction::triggered, this, &QWidget::close);
    onTrigger(m.STRECKE_ZIRVA, options_.get(), &OptionActions::STRECKE_ZIRVA_Click);
    onTrigger(m.STRECKE_ORIGINAL, options_.get(), &OptionActions::STRECKE_ORIGINAL_Click);
    onTrigger(m.MENUE_MASSSTAB_1_1, options_.get(), &OptionActions::MENUE_MASSSTAB_1_1_Click);
    onTrigger(m.MENUE_MASSSTAB_STANDARD, options_.get(),
              &OptionActions::MENUE_MASSSTAB_STANDARD_Click);
    onTrigger(m.MENUE_ENTWICKLER_ON, options_.get(), &OptionActions::MENUE_ENTWICKLER_ON_Click);
    onTrigger(m.MENUE_MASCHINE_LADEN, machine_.get(), &MachineFlow::MENUE_MASCHINE_LADEN_Click);
    onTrigger(m.MENUE_ZEICHNEN, redraw_, &PreviewRedraw::request);
}

void MainWindow::connectOutsidePrograms() {
    OutsidePrograms* p = programs_.get();
    const Menus& m = menus_;
    ProgramPaths& paths = state_.paths;
    const std::pair<QAction*, std::string*> choices[] = {
        {m.MENUE_PROGRAMM_ZIRVA40, &paths.PROGRAMM_ZIRVA40},
        {m.MENUE_PROGRAMM_ZIRVA50, &paths.PROGRAMM_ZIRVA50},
        {m.MENUE_PROGRAMM_ZIRVA60, &paths.PROGRAMM_ZIRVA60},
        {m.MENUE_PROGRAMM_ZIRVA70, &paths.PROGRAMM_ZIRVA70},
        {m.MENUE_PROGRAMM_CNC, &paths.PROGRAMM_CNC},
    };
    for (const auto& [action, path] : choices) {
        connect(action, &QAction::triggered, [p, path] { p->choose(*path); });
    }
    onTrigger(m.MENUE_PROGRAMM_EDITOR, p, &OutsidePrograms::chooseEditor);
    onTrigger(m.MENUE_EDIT_DATEI, p, &OutsidePrograms::MENUE_EDIT_DATEI_Click);
    onTrigger(m.MENUE_ZIRVA, p, &OutsidePrograms::MENUE_ZIRVA_Click);
    onTrigger(m.MENUE_CNC, p, &OutsidePrograms::MENUE_CNC_Click);
    connect(controls_.Picture1, &PreviewWidget::clicked, [p] { p->MENUE_ZIRVA_Click(); });
    connectPreview(controls_, platform_, state_, setup_.programName);
}

void MainWindow::connectDeveloperMenu() {
    const Menus& m = menus_;
    DeveloperExports* x = exports_.get();
    connect(m.MENUE_ANALYSE_DATEI, &QAction::triggered, [x] { x->dump(DumpLayout::Horizontal); });
    connect(m.MENUE_ANALYSE_DATEI_VERTIKAL, &QAction::triggered,
            [x] { x->dump(DumpLayout::Vertical); });
    onTrigger(m.MENUE_EXPORT_DATEN_FRAESUNGEN, x,
              &DeveloperExports::MENUE_EXPORT_DATEN_FRAESUNGEN_Click);
    const std::pair<QAction*, FigureList> lists[] = {
        {m.Koordinaten_PUNKTE, FigureList::Punkte},
        {m.Koordinaten_LINIEN, FigureList::Linien},
        {m.Koordinaten_Rechtecke, FigureList::Rechtecke},
        {m.Koordinaten_Polygone, FigureList::Polygone},
        {m.Koordinaten_KREISE, FigureList::Kreise},
        {m.Koordinaten_FRAESUNGEN, FigureList::Fraesungen},
    };
    for (const auto& [action, list] : lists) {
        connect(action, &QAction::triggered,
                [this, list] { showCoordinateList(controls_.List1, state_.program.store, list); });
    }
    new ListDoubleClick(controls_.List1, [this] {
        platform_.message(utf8(ListDoubleClick::selectedText(controls_.List1)), setup_.programName);
    });
}

void MainWindow::connectHelpMenu() {
    HelpMenu* h = help_.get();
    onTrigger(menus_.HILFE_GERBER_PROTOKOLL, h, &HelpMenu::HILFE_GERBER_PROTOKOLL_Click);
    onTrigger(menus_.MENUE_HILFE_ZOLLmm, h, &HelpMenu::MENUE_HILFE_ZOLLmm_Click);
    onTrigger(menus_.MENUE_HILFE_KENNDATEN, h, &HelpMenu::MENUE_HILFE_KENNDATEN_Click);
}

// Each colour button opens the colour dialog on its own colour and keeps the one chosen.
void MainWindow::connectColours() {
    const Controls& c = controls_;
    for (ColourButton* button : {c.Command_FARBE_VIEW_BOHRUNGEN, c.Command_FARBE_WEG_BOHRUNGEN,
                                 c.Command_FARBE_VIEW_FRAESUNGEN, c.Command_FARBE_WEG_FRAESUNGEN}) {
        connect(button, &QAbstractButton::clicked, [this, button] {
            button->setColour(FARBE_WAEHLEN(platform_, *redraw_, button->colour()));
        });
    }
}

// The panel "Maschine" beside the window; a running job locks what it was made from.
void MainWindow::createMachinePanel() {
    auto* dock = new QDockWidget(QStringLiteral("Maschine"), this);
    dock->setObjectName(QStringLiteral("Dock_MASCHINE"));
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    machinePanel_ = std::make_unique<PanelControls>();
    dock->setWidget(buildMachinePanel(dock, *machinePanel_));
    addDockWidget(Qt::RightDockWidgetArea, dock);
    PanelSurroundings around{state_,
                             controls_,
                             platform_,
                             *host_,
                             setup_.programName,
                             [this](bool running) { lockJob(running); },
                             [this] {
                                 redraw_->request();
                                 machine_->showJobTime();
                             }};
    machineRun_ = new MachinePanelFlow(*machinePanel_, std::move(around),
                                       std::make_unique<SerialPort>(), this);
}

void MainWindow::lockJob(bool running) {
    const Menus& m = menus_;
    jobPanel_->setEnabled(!running);
    for (QAction* action :
         {m.MENUE_REFRESH_DATEI, m.STRECKE_ZIRVA, m.STRECKE_ORIGINAL, m.MENUE_MASSSTAB_1_1,
          m.MENUE_MASSSTAB_STANDARD, m.MENUE_MASCHINE_LADEN, m.MENUE_TASTPROGRAMM,
          m.MENUE_TASTPROTOKOLL_LADEN, m.MENUE_HOEHENKARTE_VERWERFEN, m.MENUE_CNC}) {
        action->setEnabled(!running);
    }
    for (QAction* action : m.MENUE_ANTASTEN_WAHL) {
        action->setEnabled(!running);
    }
}

// Form_Load: the command line is shown, unless it hands over a drawing to open; then the start
// timer runs.
void MainWindow::formLoad() {
    if (!setup_.commandLine.empty() && setup_.drawingToOpen.empty()) {
        platform_.message("Parameter: " + setup_.commandLine, setup_.programName);
    }
    timers_.Timer_START->start();
}

void MainWindow::Timer_START_Timer() {
    timers_.Timer_START->stop();
    queue_.run(OperationQueue::Kind::Start, [this] {
        settings_->START_WERTE();
        settings_->PARAMETER_LADEN();
        status_->start();
        state_.START_FERTIG = true;
    });
}

bool MainWindow::saveBeforeEnd() {
    const Status saved = settings_->PARAMETER_SPEICHERN();
    if (!saved.ok()) {
        platform_.message("Die Einstellungen wurden nicht gespeichert: " + saved.error +
                              "\nDas Programm bleibt offen, damit keine Einstellung verloren geht.",
                          setup_.programName);
        return false;
    }
    QCoreApplication::processEvents();
    return true;
}

// "End", the close button and the CNC start all end here. Before the start-up has applied the
// settings file the boxes do not hold the user's choices yet: writing them would lose them.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!machineRun_->releaseJob(
            "Ein Job läuft. Ihn anhalten (Halt, dann Reset) und das Fenster schließen?")) {
        event->ignore();
        return;
    }
    if (state_.START_FERTIG && !saveBeforeEnd()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace zrv
