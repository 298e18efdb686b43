#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "support/scratch_folder.h"
#include "ui/scripted_platform.h"
#include "ui/window/main_window.h"

// Failure messages show a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace zrv::test {

// Runs pending events until the condition holds; false when it still fails after the time.
bool waitFor(const std::function<bool()>& condition, int milliseconds = 5000);

// The bytes of a small drawing: three red holes at (250, 250), (500, 250) and (500, 750) and
// one red line from (0, 0) to (1000, 0) in drawing units; with the standard calibration the
// holes lie at (12.7, 12.7), (25.4, 12.7), (25.4, 38.1) mm and the line is 50.8 mm long.
std::string smallDrawingBytes();

// A main window in a folder of its own, with scripted dialogs.
class WindowTest : public ::testing::Test {
  protected:
    void TearDown() override;

    WindowSetup setup(NumberLocale locale = kGermanLocale) const;
    // Creates and shows the window; waits for the end of the start-up when asked to.
    MainWindow& open(const WindowSetup& windowSetup, bool waitForStart = true);
    MainWindow& open() { return open(setup()); }

    // The drawing file written into the test folder.
    std::filesystem::path writeDrawing(const std::string& name, const std::string& bytes) const;
    // Opens the drawing through the "öffnen..." entry and waits for its preview.
    void openDrawing(const std::filesystem::path& drawing);
    // Waits for the next tick of the status display.
    void waitForStatusTick();

    template <class T>
    T* find(const char* name) const {
        T* found = window_->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    std::string text(const char* labelName) const;
    std::vector<std::string> listLines() const;
    void trigger(const char* actionName) const;
    std::vector<std::string> settingsFileLines() const;

    ScratchFolder scratch_;
    const std::filesystem::path& folder_ = scratch_.path();
    ScriptedPlatform platform_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace zrv::test
