// The boxes "Weg verbessern": a click reloads the drawing, and the list then stands in the
// order the core gives with the pass on, with its status line.

#include <QCheckBox>
#include <algorithm>
#include <string>
#include <vector>

#include "job/load.h"
#include "settings/choices.h"
#include "settings/factory_values.h"
#include "support/recording_host.h"
#include "window_fixture.h"

namespace zrv::test {
namespace {

struct SwitchCase {
    const char* box;
    int PrepareChoices::*value;
    std::vector<std::string> FigureStore::*list;
};

std::vector<std::string> loaded(const std::string& drawing, const SwitchCase& c, int on) {
    Choices choices = factoryChoices(kGermanLocale);
    choices.prepare.*c.value = on;
    ProgramState program;
    RecordingHost core;
    DATEI_LADEN(program, drawing, choices, core.host);
    return program.store.*c.list;
}

class RouteSwitchTest : public WindowTest {};

TEST_F(RouteSwitchTest, ABoxReloadsInTheImprovedOrder) {
    const SwitchCase cases[] = {
        {"Check_BOHRUNGEN_WEG_VERBESSERN", &PrepareChoices::Check_BOHRUNGEN_WEG_VERBESSERN,
         &FigureStore::PUNKTE},
        {"Check_FRÄSUNGEN_WEG_VERBESSERN", &PrepareChoices::Check_FRAESUNGEN_WEG_VERBESSERN,
         &FigureStore::FRAESUNGEN},
    };
    const std::string example = std::string(ZRV_SOURCE_DIR) + "/examples/platine40.zrv";
    open();
    openDrawing(example);
    for (const SwitchCase& c : cases) {
        SCOPED_TRACE(c.box);
        const std::vector<std::string> plain = loaded(example, c, 0);
        const std::vector<std::string> improved = loaded(example, c, 1);
        ASSERT_NE(plain, improved) << "the example must gain from the pass";
        const std::vector<std::string>& shown = window_->state().program.store.*c.list;
        EXPECT_EQ(shown, plain);

        find<QCheckBox>(c.box)->click();
        EXPECT_TRUE(waitFor([&] { return shown == improved; }));
        EXPECT_EQ(std::ranges::count_if(
                      listLines(),
                      [](const std::string& line) { return line.starts_with("Weg verbessert: "); }),
                  1);

        find<QCheckBox>(c.box)->click();
        EXPECT_TRUE(waitFor([&] { return shown == plain; }));
    }
}

}  // namespace
}  // namespace zrv::test
