#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/host.h"
#include "controller/grbl_link.h"
#include "ui/common/platform.h"
#include "ui/common/window_state.h"
#include "ui/controls/controls.h"
#include "ui/machine/controller_panel.h"
#include "ui/machine/controller_port.h"
#include "ui/machine/job_run_flow.h"
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
    void connectControls();
    void refreshPorts();
    void toggleConnection();
    void disconnect(const std::string& why);
    void tick();
    void flush();
    void handle(const LinkEvent& event);
    void reply(const std::string& text);
    void showStatus();
    void jog(std::size_t which);
    void cancelJog();
    void send(const std::string& line);
    void unlock();
    bool ready();
    // The controller answered as GRBL 1.1 on the open port.
    bool linkReady() const;
    void say(const std::string& line) { zrv::say(panel_, around_, line); }
    void refuse(const std::string& text) { zrv::refuse(panel_, around_, text); }
    void enableControls();
    LinkTime now() const { return LinkTime{clock_.elapsed()}; }

    PanelControls& panel_;
    PanelSurroundings around_;
    std::unique_ptr<ControllerPort> port_;
    QElapsedTimer clock_;
    GrblLink link_{LinkTime{0}};  // the one engine, as for the command line's "send"
    QTimer timer_;
    bool connected_ = false;  // the port is open and the link runs on it
    bool homing_ = false;
    bool inTick_ = false;
    std::string portName_;
    std::string portLost_;  // why the port stopped working, once it did
    std::string closed_;    // why the link closed (refused at connecting, port gone)
    JobRunFlow job_;        // after the link it drives
};

}  // namespace zrv
