#include "ui/flows/machine_flow.h"

#include "base/file_names.h"
#include "base/text_file.h"
#include "job/job_figures.h"
#include "planner/machine_profile.h"
#include "ui/common/qt_text.h"
#include "ui/controls/control_values.h"

namespace zrv {

namespace {

constexpr const char* kMachineFilter = "Text(*.txt)|*.txt|alle(*.*)|*.*";

QString tooltip(double seconds) {
    return qs("Laufzeit (Planer): " + durationText(seconds));
}

}  // namespace

MachineFlow::MachineFlow(WindowState& state, Controls& controls, Platform& platform, Host& host,
                         std::string messageTitle)
    : state_(state),
      controls_(controls),
      platform_(platform),
      host_(host),
      messageTitle_(std::move(messageTitle)) {}

void MachineFlow::MENUE_MASCHINE_LADEN_Click() {
    const std::optional<std::string> chosen =
        platform_.openFile("Maschine ($$) laden", state_.DATEI_ORDNER, kMachineFilter);
    if (!chosen) {
        return;
    }
    const FileBytes file = readFileBytes(fileSystemPath(*chosen));
    if (!file.status.ok()) {
        platform_.message(file.status.error, messageTitle_);
        return;
    }
    const MachineProfileRead read = readMachineProfile(file.bytes);
    if (!read.anySetting) {
        host_.progress.addLine(noSettingText(*chosen));
        return;
    }
    state_.machine = file.bytes;
    host_.progress.addLine(takenProfileText(read.profile, host_.locale, *chosen));
    for (const std::string& problem : read.problems) {
        host_.progress.addLine(problem);
    }
    showJobTime();
}

void MachineFlow::showJobTime() {
    showJobTime(
        *jobFigures(state_.program, readChoices(controls_, state_), host_.locale, Planning::Plan)
             .planned);
}

void MachineFlow::showJobTime(const JobTime& time) {
    controls_.Label_BOHRUNGEN_ZEIT->setToolTip(tooltip(time.drilling));
    controls_.Label_FRAESUNGEN_ZEIT->setToolTip(tooltip(time.milling));
    host_.progress.addLine(jobTimeLine(time));
}

}  // namespace zrv
