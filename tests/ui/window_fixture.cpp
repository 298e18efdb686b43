#include "window_fixture.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <fstream>

#include "base/text_file.h"
#include "support/drawing_builder.h"
#include "ui/controls/preview_redraw.h"

namespace zrv::test {

bool waitFor(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds) {
            return false;
        }
        QTest::qWait(10);
    }
    return true;
}

std::string smallDrawingBytes() {
    return DrawingBuilder("ZIRVA40")
        .point({250, 250}, kRot)
        .point({500, 250}, kRot)
        .point({500, 750}, kRot)
        .line({{0, 0}, {1000, 0}}, kRot)
        .bytes();
}

void WindowTest::TearDown() {
    window_.reset();
}

WindowSetup WindowTest::setup(NumberLocale locale) const {
    WindowSetup result;
    result.folder = {folder_, folder_ / "zrvcam.ini", folder_ / "Dateien"};
    result.locale = locale;
    return result;
}

MainWindow& WindowTest::open(const WindowSetup& windowSetup, bool waitForStart) {
    window_ = std::make_unique<MainWindow>(windowSetup, platform_);
    window_->show();
    if (waitForStart) {
        EXPECT_TRUE(waitFor([this] { return window_->state().START_FERTIG; }));
    }
    return *window_;
}

std::filesystem::path WindowTest::writeDrawing(const std::string& name,
                                               const std::string& bytes) const {
    const std::filesystem::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

void WindowTest::openDrawing(const std::filesystem::path& drawing) {
    QSignalSpy drawn(&window_->redraw(), &PreviewRedraw::drawn);
    platform_.fileAnswers.push_back(drawing.string());
    trigger("MENUE_ZIRVA_ÖFFNEN");
    EXPECT_TRUE(waitFor([&] { return drawn.count() > 0; })) << "no preview after opening";
}

void WindowTest::waitForStatusTick() {
    auto* label = find<QLabel>("Label_BOHRUNGEN_ANZAHL");
    label->setText(QStringLiteral("#"));
    EXPECT_TRUE(waitFor([label] { return label->text() != QStringLiteral("#"); }));
}

std::string WindowTest::text(const char* labelName) const {
    return find<QLabel>(labelName)->text().toStdString();
}

std::vector<std::string> WindowTest::listLines() const {
    std::vector<std::string> lines;
    auto* list = find<QListWidget>("List1");
    for (int i = 0; i < list->count(); ++i) {
        lines.push_back(list->item(i)->text().toStdString());
    }
    return lines;
}

void WindowTest::trigger(const char* actionName) const {
    QAction* action = find<QAction>(actionName);
    ASSERT_NE(action, nullptr);
    action->trigger();
}

std::vector<std::string> WindowTest::settingsFileLines() const {
    return readTextFile(folder_ / "zrvcam.ini").lines;
}

}  // namespace zrv::test
