#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/host.h"
#include "ui/common/platform.h"
#include "ui/common/window_state.h"
#include "ui/controls/controls.h"
#include "ui/machine/controller_panel.h"
#include "ui/machine/controller_port.h"
#include "ui/machine/job_run_flow.h"
#include "ui/machine/panel_link.h"
#include "ui/machine/panel_surroundings.h"

namespace zrv {

// The panel "Maschine": connects to a GRBL 1.1 controller, jogs, sets the work zero, runs the
// drawing's program with its tool change, probes the height map, and stops safely.
class MachinePanelFlow final : public QObject {
  public:
    MachinePanelFlow(PanelControls& panel, PanelSurroundings around,
                     std::unique_ptr<ControllerPort> port, QObject* parent);
    ~MachinePanelFlow() override;

    bool jobRunning() const { return job_.running(); }
    // Before the window closes or another drawing opens: while a job runs, asks, and stops it
    // safely (hold, then reset). True when nothing runs any more.
    bool releaseJob(std::string_view question);

  private:
    enum class Handshake { Closed, Waiting, Ready };

    void connectControls();
    void refreshPorts();
    void toggleConnection();
    void disconnect(const std::string& why);
    void tick();
    void handle(const panel::PanelEvent& event);
    void checkHandshake();
    void welcome(const std::string& text);
    void reply(const std::string& text);
    void showStatus();
    void jog(std::size_t which);
    void cancelJog();
    void send(std::string line);
    void unlock();
    bool ready();
    void say(const std::string& line) { zrv::say(panel_, around_, line); }
    void refuse(const std::string& text) { zrv::refuse(panel_, around_, text); }
    void enableControls();
    double now() const { return double(clock_.elapsed()) / 1000.0; }

    PanelControls& panel_;
    PanelSurroundings around_;
    std::unique_ptr<ControllerPort> port_;
    panel::PanelLink link_;
    QTimer timer_;
    QElapsedTimer clock_;
    Handshake handshake_ = Handshake::Closed;
    double openedAt_ = 0;
    bool versionAsked_ = false;
    bool homing_ = false;
    bool inTick_ = false;
    std::string portName_;
    JobRunFlow job_;  // after the link it drives
};

}  // namespace zrv
