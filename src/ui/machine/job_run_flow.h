#pragma once

#include <QElapsedTimer>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "controller/grbl_link.h"
#include "levelling/probe_grid.h"
#include "settings/choices.h"
#include "ui/machine/controller_panel.h"
#include "ui/machine/panel_surroundings.h"

namespace zrv {

// A job on the connected controller: the drawing's checked program with its tool changes, or
// the probe run that builds the height map; its progress, its end and its safe stop.
class JobRunFlow {
  public:
    // `ready` says whether a job may start now (and says why not); `changed` follows every
    // start and end. `clock` is the link's.
    JobRunFlow(PanelControls& panel, PanelSurroundings& around, GrblLink& link,
               const QElapsedTimer& clock, std::function<bool()> ready,
               std::function<void()> changed);

    bool running() const { return job_ != Job::None; }
    void startProgram();
    void startProbeRun();
    // What the controller sent, for the probe run's log.
    void received(std::string_view bytes);
    // The link's events of a job: probe reports, the M0's pause, the end, the stop, a refused
    // start.
    void handle(const LinkEvent& event);
    // The progress bar, the lines and time left, the preview's tool and done way.
    void show();
    // While a job runs: asks, then stops it safely, running `tick` until it has ended. True
    // when nothing runs any more.
    bool release(std::string_view question, const std::function<void()>& tick);
    void end();

  private:
    enum class Job { None, Program, Probe };

    // Once ready_() said yes.
    void run(std::string_view bytes, Job job, const Choices& choices);
    void toolChange(const std::vector<std::string>& comments);
    void finished();
    void finishProbeRun();
    std::string probeFailure(const std::string& why) const;
    void stopped(const std::string& why);
    void say(const std::string& line) { zrv::say(panel_, around_, line); }
    void refuse(const std::string& text) { zrv::refuse(panel_, around_, text); }
    double now() const { return double(clock_.elapsed()) / 1000.0; }
    LinkTime linkNow() const { return LinkTime{clock_.elapsed()}; }

    PanelControls& panel_;
    PanelSurroundings& around_;
    GrblLink& link_;
    const QElapsedTimer& clock_;
    std::function<bool()> ready_;
    std::function<void()> changed_;
    Job job_ = Job::None;
    std::size_t lines_ = 0;  // the job's lines to send
    bool givenUp_ = false;   // the stop went unanswered: the link was closed
    double jobStartedAt_ = 0;
    std::string log_;         // what the controller sent during a probe run
    std::size_t probes_ = 0;  // [PRB:…] reports of the probe run so far
    ProbeGrid grid_;
    std::vector<std::string> reprobe_;  // the tool change's probe, with the job's choices
};

}  // namespace zrv
