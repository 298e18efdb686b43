#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/text_file.h"
#include "support/scratch_folder.h"
#include "ui/desktop_setup.h"
#include "ui/dialog_filter.h"
#include "ui/operation_queue.h"
#include "ui/qt_platform.h"
#include "window_fixture.h"

namespace zrv {
namespace {

TEST(DialogFilter, OriginalFiltersBecomeQtFilters) {
    struct Case {
        const char* original;
        const char* qt;
    };
    const Case cases[] = {
        {"ZIRVA(*.zrv *.zrv7)|*.zr*|alle(*.*)|*.*", "ZIRVA(*.zrv *.zrv7) (*.zr*);;alle(*.*) (*)"},
        {"(*.exe)|*.exe|alle(*.*)|*.*", "(*.exe) (*.exe);;alle(*.*) (*)"},
        {"Bilder|*.png;*.bmp", "Bilder (*.png *.bmp)"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.original);
        EXPECT_EQ(qtFileFilter(c.original), c.qt);
    }
}

TEST(OperationQueue, AnOperationAskedForWhileAnotherRunsWaitsUntilItEnds) {
    OperationQueue queue;
    std::vector<std::string> log;
    queue.run(OperationQueue::Kind::Open, [&] {
        log.push_back("open begins");
        // What a click would do from a point where the open lets events run:
        queue.run(OperationQueue::Kind::Reload, [&] { log.push_back("reload"); });
        queue.run(OperationQueue::Kind::Reload, [&] { log.push_back("second reload"); });
        queue.run(OperationQueue::Kind::Export, [&] {
            log.push_back("export");
            EXPECT_TRUE(queue.busy());
        });
        log.push_back("open ends");
    });
    EXPECT_FALSE(queue.busy());
    EXPECT_EQ(log, (std::vector<std::string>{"open begins", "open ends", "reload", "export"}));

    queue.run(OperationQueue::Kind::Reload, [&] { log.push_back("later reload"); });
    EXPECT_EQ(log.back(), "later reload");
}

TEST(NumberLocaleOf, TakesTheSystemSignsAndFallsBackForUnusualOnes) {
    struct Case {
        QLocale locale;
        char decimal;
        char grouping;
    };
    const Case cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), ',', '.'},
        {QLocale::c(), '.', ','},
        {QLocale(QLocale::English, QLocale::UnitedStates), '.', ','},
        {QLocale(QLocale::French, QLocale::France), ',', '.'},  // narrow no-break space
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        const NumberLocale signs = numberLocaleOf(c.locale);
        EXPECT_EQ(signs.decimal, c.decimal);
        EXPECT_EQ(signs.grouping, c.grouping);
    }
}

// The outside program gets the file as one argument: no shell, no splitting at blanks.
TEST(QtPlatform, StartsAProgramWithExactlyOneArgument) {
    const test::ScratchFolder scratch;
    const std::filesystem::path& folder = scratch.path();
    const std::filesystem::path script = folder / "zeige argumente.sh";
    const std::filesystem::path output = folder / "argumente.txt";
    std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > '" << output.string()
                          << "'\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);

    QtPlatform platform;
    const StartResult started = platform.startProcess(script.string(), "C:\\a b\\c; rm x.nc");
    ASSERT_TRUE(started.ok()) << started.error;
    ASSERT_TRUE(test::waitFor([&] { return readTextFile(output).lines.size() == 2; }));
    EXPECT_EQ(readTextFile(output).lines, (std::vector<std::string>{"1", "C:\\a b\\c; rm x.nc"}));

    const StartResult missing = platform.startProcess((folder / "fehlt").string(), "x");
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.notFound);
    EXPECT_FALSE(missing.error.empty());
}

TEST(QtPlatform, BringToFrontConfirmsOnlyARunningProgram) {
    QtPlatform platform;
    const StartResult sleeper = platform.startProcess("sleep", "0.3");
    ASSERT_TRUE(sleeper.ok()) << sleeper.error;
    EXPECT_TRUE(platform.bringToFront(sleeper.taskId));
    EXPECT_TRUE(test::waitFor([&] { return !platform.bringToFront(sleeper.taskId); }));
    EXPECT_FALSE(platform.bringToFront(0));
}

}  // namespace
}  // namespace zrv
