#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>

#include "base/host.h"
#include "ui/common/operation_queue.h"
#include "ui/common/platform.h"
#include "ui/common/window_state.h"
#include "ui/controls/controls.h"

namespace zrv {

class ExportFlow;
class DeveloperExports;
class HeightMapFlow;
class HelpMenu;
class LoadFlow;
class MachineFlow;
class MachinePanelFlow;
struct PanelControls;
class OptionActions;
class OutsidePrograms;
class PreviewRedraw;
class SettingsFlow;
class StatusDisplay;
class WindowProgress;

// HAUPT, the program's one working window: builds its controls, menus and timers and
// connects them to the flows that do the work.
class MainWindow final : public QMainWindow {
  public:
    MainWindow(WindowSetup setup, Platform& platform);
    ~MainWindow() override;

    const WindowState& state() const { return state_; }
    PreviewRedraw& redraw() { return *redraw_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildWindow();
    void createFlows();
    void connectChecks();
    void connectButtons();
    void connectMenus();
    void connectOutsidePrograms();
    void connectDeveloperMenu();
    void connectHelpMenu();
    void connectHeightMapMenu();
    void connectColours();
    void createMachinePanel();
    void lockJob(bool running);
    void formLoad();
    void Timer_START_Timer();
    // Writes the settings; on failure says so and keeps the program open.
    bool saveBeforeEnd();

    WindowSetup setup_;
    Platform& platform_;
    WindowState state_;
    Controls controls_;
    Menus menus_;
    Timers timers_;
    OperationQueue queue_;
    SystemClock clock_;

    PreviewRedraw* redraw_ = nullptr;
    StatusDisplay* status_ = nullptr;
    std::unique_ptr<WindowProgress> progress_;
    std::optional<Host> host_;
    std::unique_ptr<MachineFlow> machine_;
    std::unique_ptr<LoadFlow> load_;
    std::unique_ptr<SettingsFlow> settings_;
    std::unique_ptr<ExportFlow> export_;
    std::unique_ptr<OptionActions> options_;
    std::unique_ptr<OutsidePrograms> programs_;
    std::unique_ptr<DeveloperExports> exports_;
    std::unique_ptr<HelpMenu> help_;
    std::unique_ptr<HeightMapFlow> heightMap_;
    QWidget* jobPanel_ = nullptr;  // the switches and parameters the running job was made from
    std::unique_ptr<PanelControls> machinePanel_;
    MachinePanelFlow* machineRun_ = nullptr;
};

}  // namespace zrv
