#include "window_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <cstring>
#include <fstream>

#include "text/text_file.h"
#include "ui/preview_redraw.h"

namespace zrv::test {

namespace {

std::string floatBytes(float value) {
    std::uint32_t bits = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    std::string bytes;
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>((bits >> (8 * i)) & 0xFFu);
    }
    return bytes;
}

std::string pointRecord(float x, float y) {
    std::string record("\x08\x01\x00\x02", 4);
    record += std::string(11, '\0');           // fixed zeros and unread bytes
    record += std::string("\xFF\x00\x00", 3);  // red
    record += std::string(6, '\0');
    return record + floatBytes(x) + floatBytes(y);
}

std::string lineRecord(float x0, float y0, float x1, float y1) {
    std::string record("\x04\x00\x01\x00", 4);
    record += std::string(3, '\0');
    record += std::string("\xFF\x00\x00", 3);
    record += std::string(14, '\0');
    record += std::string("\x01\x00\x00\x00", 4);  // two vertices
    return record + floatBytes(x0) + floatBytes(y0) + floatBytes(x1) + floatBytes(y1);
}

}  // namespace

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
    std::string bytes("\x07ZIRVA40", 8);
    bytes += std::string(8, '\0');
    bytes += pointRecord(250, 250) + pointRecord(500, 250) + pointRecord(500, 750);
    bytes += lineRecord(0, 0, 1000, 0);
    return bytes + std::string(8, '\0');
}

void WindowTest::SetUp() {
    static std::atomic<int> counter{0};
    folder_ = std::filesystem::temp_directory_path() /
              ("zrvcam_ui_" + std::to_string(QCoreApplication::applicationPid()) + "_" +
               std::to_string(counter++));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
}

void WindowTest::TearDown() {
    window_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
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
