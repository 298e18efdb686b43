#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/host.h"
#include "levelling/probe_grid.h"
#include "ui/common/platform.h"
#include "ui/common/window_state.h"
#include "ui/controls/controls.h"
#include "ui/machine/controller_panel.h"
#include "ui/machine/controller_port.h"
#include "ui/machine/job_timeline.h"
#include "ui/machine/panel_link.h"

namespace zrv {

class PreviewWidget;

// What the panel "Maschine" needs of the window around it.
struct PanelSurroundings {
    WindowState& state;
    Controls& controls;
    Platform& platform;
    Host& host;
    std::string messageTitle;
    // Disables (true) or enables every control that would change the running job.
    std::function<void(bool)> lockJob;
    // The height map changed: redraw and plan the time again.
    std::function<void()> mapChanged;
};

// The panel "Maschine": connects to a GRBL 1.1 controller, jogs, sets the work zero, runs the
// drawing's program with its tool change, probes the height map, and stops safely.
class MachinePanelFlow final : public QObject {
  public:
    MachinePanelFlow(PanelControls& panel, PanelSurroundings around,
                     std::unique_ptr<ControllerPort> port, QObject* parent);
    ~MachinePanelFlow() override;

    bool jobRunning() const { return job_ != Job::None; }
    // Before the window closes or another drawing opens: while a job runs, asks, and stops it
    // safely (hold, then reset). True when nothing runs any more.
    bool releaseJob(std::string_view question);

  private:
    enum class Job { None, Program, Probe };
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
    void showJob();
    void jog(std::size_t which);
    void cancelJog();
    void send(std::string line);
    void unlock();
    void startProgram();
    void startProbeRun();
    bool ready();
    void run(const std::string& path, Job job);
    void toolChange(const std::string& note);
    void finished();
    void stopped(const std::string& why);
    void endJob();
    void finishProbeRun();
    std::string probeFailure(const std::string& why) const;
    void say(const std::string& line);
    void refuse(const std::string& text);
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
    Job job_ = Job::None;
    JobTimeline timeline_;
    double jobStartedAt_ = 0;
    std::string log_;         // what the controller sent during a probe run
    std::size_t probes_ = 0;  // [PRB:…] reports of the probe run so far
    ProbeGrid grid_;
    std::vector<std::string> reprobe_;  // the tool change's probe, with the job's choices
};

}  // namespace zrv
