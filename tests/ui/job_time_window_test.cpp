#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "job/job_figures.h"
#include "planner/machine_profile.h"
#include "settings/choices.h"
#include "support/file_bytes.h"
#include "window_fixture.h"

namespace zrv::test {
namespace {

class JobTimeWindowTest : public WindowTest {
  protected:
    // What the core plans for the loaded drawing with the factory choices and `machine`.
    JobTime planned(const std::string& machine) const {
        Choices choices = factoryChoices(kGermanLocale);
        choices.machine = machine;
        return jobFigures(window_->state().program, choices, kGermanLocale, Planning::Plan)
            .planned.value();
    }
};

TEST_F(JobTimeWindowTest, LoadExportAndMachineShowThePlannedTime) {
    open();
    openDrawing(writeDrawing("klein.zrv", smallDrawingBytes()));
    ASSERT_GT(planned("").total, 0);
    const std::string machine = "$110=3000\r\n$120=300\r\n$121=300\r\n$112=abc\r\nok\r\n";
    const struct {
        const char* name;
        std::function<void()> act;
        std::string machine;  // the profile in effect after the step
        std::vector<std::string> lines;
    } steps[] = {
        {"load", [] {}, "", {jobTimeLine(planned(""))}},
        {"export",
         [this] { find<QPushButton>("Command_EXPORT_GERBER")->click(); },
         "",
         {"ok", jobTimeLine(planned(""))}},
        {"machine",
         [&] {
             writeBytes(folder_ / "grbl.txt", machine);
             platform_.fileAnswers.push_back((folder_ / "grbl.txt").string());
             trigger("MENUE_MASCHINE_LADEN");
         },
         machine,
         {takenProfileText(readMachineProfile(machine).profile, kGermanLocale,
                           (folder_ / "grbl.txt").string()),
          "Maschine: \"$112=abc\" nicht übernommen (keine positive Zahl), es gilt 600",
          jobTimeLine(planned(machine))}},
        {"empty file: the profile in force stays",
         [&] {
             writeBytes(folder_ / "leer.txt", "");
             platform_.fileAnswers.push_back((folder_ / "leer.txt").string());
             trigger("MENUE_MASCHINE_LADEN");
         },
         machine,
         {noSettingText((folder_ / "leer.txt").string())}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        const JobTime time = planned(step.machine);
        EXPECT_EQ(window_->state().machine, step.machine);
        EXPECT_EQ(find<QLabel>("Label_BOHRUNGEN_ZEIT")->toolTip().toStdString(),
                  "Laufzeit (Planer): " + durationText(time.drilling));
        EXPECT_EQ(find<QLabel>("Label_FRÄSUNGEN_ZEIT")->toolTip().toStdString(),
                  "Laufzeit (Planer): " + durationText(time.milling));
        const std::vector<std::string> shown = listLines();
        for (const std::string& line : step.lines) {
            EXPECT_NE(std::find(shown.begin(), shown.end(), line), shown.end()) << line;
        }
    }
    // The rough estimates keep their own numbers.
    waitForStatusTick();
    EXPECT_EQ(text("Label_FRÄSUNGEN_ZEIT"), "5min ");
}

TEST_F(JobTimeWindowTest, ACancelledOrUnreadableMachineFileChangesNothing) {
    open();
    platform_.fileAnswers.push_back(std::nullopt);
    trigger("MENUE_MASCHINE_LADEN");
    platform_.fileAnswers.push_back((folder_ / "fehlt.txt").string());
    trigger("MENUE_MASCHINE_LADEN");
    EXPECT_EQ(window_->state().machine, "");
    ASSERT_EQ(platform_.messages().size(), 1U);
    EXPECT_NE(platform_.messages()[0].find("fehlt.txt"), std::string::npos);
    const std::vector<ScriptedPlatform::Call> dialogs = platform_.callsOf("openFile");
    ASSERT_EQ(dialogs.size(), 2U);
    EXPECT_EQ(dialogs[0].args[0], "Maschine ($$) laden");
}

}  // namespace
}  // namespace zrv::test
