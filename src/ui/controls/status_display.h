#pragma once

#include <QMainWindow>
#include <QObject>
#include <QTimer>
#include <optional>

#include "base/host.h"
#include "job/job_figures.h"
#include "ui/common/window_state.h"
#include "ui/controls/controls.h"

namespace zrv {

// Timer_ANZEIGE: every 200 ms the title, counts, travel lengths, time estimates and menu
// captions are written from the program state and the panel's choices. Captions that cannot
// change within a run are written once, at the start.
class StatusDisplay final : public QObject {
  public:
    StatusDisplay(QTimer* timer, QMainWindow& window, Controls& controls, Menus& menus,
                  WindowState& state, const WindowSetup& setup, const Clock& clock);

    void start();
    void tick();  // Timer_ANZEIGE_Timer

  private:
    // What the travel and the estimates depend on; summing a full board's travel costs
    // milliseconds, too much for every tick.
    struct FiguresInput {
        unsigned storeGeneration = 0;
        Parameters parameters;
        DepthStepChoices steps;

        friend bool operator==(const FiguresInput&, const FiguresInput&) = default;
    };
    const JobFigures& figures();
    void showCaptions();
    void showCountsAndTravel(const JobFigures& figures);
    void showTimes(const JobFigures& figures);
    void showDeveloperCaptions();
    std::string number(double value) const;

    QTimer* timer_;
    QMainWindow& window_;
    Controls& controls_;
    Menus& menus_;
    WindowState& state_;
    const WindowSetup& setup_;
    const Clock& clock_;
    std::optional<FiguresInput> figuresFor_;
    JobFigures figures_;
};

}  // namespace zrv
