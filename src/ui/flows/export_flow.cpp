#include "ui/flows/export_flow.h"

#include "job/export.h"
#include "ui/controls/control_values.h"
#include "ui/platform/outside_programs.h"

namespace zrv {

ExportFlow::ExportFlow(WindowState& state, Controls& controls, Platform& platform, Host& host,
                       OperationQueue& queue, PreviewRedraw& redraw,
                       std::function<Status()> saveSettings,
                       std::function<void(const JobTime&)> written, std::string messageTitle)
    : state_(state),
      controls_(controls),
      platform_(platform),
      host_(host),
      queue_(queue),
      redraw_(redraw),
      saveSettings_(std::move(saveSettings)),
      written_(std::move(written)),
      messageTitle_(std::move(messageTitle)) {}

void ExportFlow::Command_EXPORT_GERBER_Click() {
    queue_.run(OperationQueue::Kind::Export, [this] { exportProgram(); });
}

void ExportFlow::exportProgram() {
    // Before the start-up has applied the settings file the boxes do not hold the user's
    // choices yet: saving them would lose them.
    if (!state_.START_FERTIG) {
        return;
    }
    // The cleaned texts go into the boxes and the settings file, and the same go to the program.
    Choices choices = readChoices(controls_, state_);
    choices.parameters = exportParameters(state_.program, choices, host_.locale);
    writeParameters(controls_, choices.parameters);
    const Status saved = saveSettings_();
    if (!saved.ok()) {
        platform_.message("Error: " + saved.error, messageTitle_);
        return;
    }
    redraw_.request();

    // A refusal or a failure of the writer has been shown by the writer itself.
    const WriteResult written =
        GERBER_SCHREIBEN(state_.program, choices, host_, {}, Planning::Plan);
    if (!written.status.ok()) {
        return;
    }
    if (written.time) {
        written_(*written.time);
    }
    if (choices.exports.Check_EXPORT_VORSCHAU == 1) {
        startEditor(platform_, choices.paths.PROGRAMM_EDITOR, written.path, messageTitle_);
    }
}

}  // namespace zrv
