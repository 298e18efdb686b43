#include <gtest/gtest.h>

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "base/text_file.h"
#include "support/scratch_folder.h"
#include "ui/common/operation_queue.h"
#include "ui/platform/desktop_setup.h"
#include "ui/platform/dialog_filter.h"
#include "ui/platform/german_dialogs.h"
#include "ui/platform/qt_platform.h"
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
    struct Typed {
        const char* typed;
        const char* chosen;
        const char* path;
    };
    const Typed names[] = {
        {"/tmp/Bild", "SVG-Bild (*.svg) (*.svg)", "/tmp/Bild.svg"},
        {"/tmp/Bild", "PNG-Bild (*.png) (*.png)", "/tmp/Bild.png"},
        {"/tmp/Bild.PNG", "SVG-Bild (*.svg) (*.svg)", "/tmp/Bild.PNG"},
        {"/tmp/a.b/Bild", "PNG-Bild (*.png) (*.png)", "/tmp/a.b/Bild.png"},
        {"/tmp/Bild", "alle(*.*) (*)", "/tmp/Bild"},
        {"/tmp/Bild", "Bilder (*.png *.bmp)", "/tmp/Bild"},
        {"/tmp/Bild", "", "/tmp/Bild"},
    };
    for (const Typed& c : names) {
        SCOPED_TRACE(c.chosen);
        EXPECT_EQ(withChosenExtension(c.typed, c.chosen), c.path);
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

// What a file manager hands over: only one argument naming a drawing file that holds bytes.
TEST(DrawingArgument, OpensOnlyOneExistingDrawing) {
    const test::ScratchFolder scratch;
    std::ofstream(scratch / "Platine 1.zrv") << "\x07ZIRVA40";
    std::ofstream(scratch / "P.ZRV7") << "\x07ZIRVA70";
    std::ofstream(scratch / "leer.zrv");
    std::ofstream(scratch / "notiz.txt") << "\x07ZIRVA40";
    const auto at = [&scratch](const char* name) { return QString::fromUtf8(scratch.file(name)); };
    const QString relative = QString::fromStdString(std::filesystem::relative(scratch / "P.ZRV7"));
    const std::pair<QStringList, QString> cases[] = {
        {{"zrvcam", at("Platine 1.zrv")}, at("Platine 1.zrv")},
        {{"zrvcam", relative}, at("P.ZRV7")},
        {{"zrvcam"}, ""},
        {{"zrvcam", "--fenster", at("Platine 1.zrv")}, ""},
        {{"zrvcam", at("fehlt.zrv")}, ""},
        {{"zrvcam", at("leer.zrv")}, ""},
        {{"zrvcam", at("notiz.txt")}, ""},
    };
    for (const auto& [arguments, opened] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const std::string path = drawingArgument(arguments);
        EXPECT_EQ(
            path.empty() ? "" : std::filesystem::canonical(path).string(),
            opened.isEmpty() ? "" : std::filesystem::canonical(opened.toStdString()).string());
    }
}

// Qt's own dialogs speak German once its translation is installed, as zrvcam's main() does.
TEST(GermanDialogs, StandardButtonsAndDialogsSpeakGerman) {
    const std::unique_ptr<QTranslator> german = installGermanDialogs();
    ASSERT_NE(german, nullptr) << "Qt's German translations (qt6-translations-l10n) are missing";
    const QDialogButtonBox buttons(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    const QColorDialog colours;
    const std::pair<QString, const char*> cases[] = {
        {buttons.button(QDialogButtonBox::Open)->text(), "Öffnen"},
        {buttons.button(QDialogButtonBox::Cancel)->text(), "Abbrechen"},
        {files.findChild<QLabel*>("lookInLabel")->text(), "Suchen in:"},
        {files.findChild<QLabel*>("fileNameLabel")->text(), "Datei&name:"},
        {colours.windowTitle(), "Farbauswahl"},
    };
    for (const auto& [shown, expected] : cases) {
        EXPECT_EQ(shown, QString::fromUtf8(expected));
    }
}

}  // namespace
}  // namespace zrv
