#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <string>
#include <vector>

#include "job/job_time.h"
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
        return jobTime(window_->state().program, choices, kGermanLocale);
    }
    std::string tooltip(const char* label) const {
        return find<QLabel>(label)->toolTip().toStdString();
    }
    bool listHas(const std::string& line) const {
        const std::vector<std::string> lines = listLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

TEST_F(JobTimeWindowTest, LoadExportAndMachineShowThePlannedTime) {
    open();
    openDrawing(writeDrawing("klein.zrv", smallDrawingBytes()));
    const JobTime factory = planned("");
    ASSERT_GT(factory.total, 0);
    struct Step {
        const char* name;
        std::string machine;  // the profile in effect after the step
        std::vector<std::string> lines;
    };
    const std::string machine = "$110=3000\r\n$120=300\r\n$121=300\r\n$112=abc\r\nok\r\n";
    const MachineProfile fast = readMachineProfile(machine).profile;
    const std::vector<Step> steps = {
        {"load", "", {jobTimeLine(factory)}},
        {"export", "", {"ok", jobTimeLine(factory)}},
        {"machine",
         machine,
         {machineProfileText(fast, kGermanLocale),
          "Maschine: \"$112=abc\" nicht übernommen (keine positive Zahl), es gilt 600",
          jobTimeLine(planned(machine))}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.name == std::string("export")) {
            find<QPushButton>("Command_EXPORT_GERBER")->click();
        } else if (step.name == std::string("machine")) {
            const auto file = folder_ / "grbl.txt";
            writeBytes(file, machine);
            platform_.fileAnswers.push_back(file.string());
            trigger("MENUE_MASCHINE_LADEN");
        }
        const JobTime time = planned(step.machine);
        EXPECT_EQ(window_->state().machine, step.machine);
        EXPECT_EQ(tooltip("Label_BOHRUNGEN_ZEIT"),
                  "Laufzeit (Planer): " + durationText(time.drilling));
        EXPECT_EQ(tooltip("Label_FRÄSUNGEN_ZEIT"),
                  "Laufzeit (Planer): " + durationText(time.milling));
        for (const std::string& line : step.lines) {
            EXPECT_TRUE(listHas(line)) << line;
        }
    }
    EXPECT_LT(planned(machine).total, factory.total);
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
