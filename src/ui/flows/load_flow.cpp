#include "ui/flows/load_flow.h"

#include "base/file_names.h"
#include "job/load.h"
#include "ui/common/file_facts.h"
#include "ui/controls/control_values.h"

namespace zrv {

namespace {

constexpr const char* kDrawingFilter = "ZIRVA(*.zrv *.zrv7)|*.zr*|alle(*.*)|*.*";

}  // namespace

LoadFlow::LoadFlow(WindowState& state, Controls& controls, Platform& platform, Host& host,
                   OperationQueue& queue, std::function<void()> loaded)
    : state_(state),
      controls_(controls),
      platform_(platform),
      host_(host),
      queue_(queue),
      loaded_(std::move(loaded)) {}

void LoadFlow::MENUE_ZIRVA_OEFFNEN_Click() {
    queue_.run(OperationQueue::Kind::Open, [this] {
        const std::optional<std::string> chosen =
            platform_.openFile("öffnen", state_.DATEI_ORDNER, kDrawingFilter);
        if (chosen && holdsBytes(*chosen)) {
            load(*chosen);
        }
    });
}

void LoadFlow::MENUE_REFRESH_DATEI_Click() {
    if (!state_.START_FERTIG) {
        return;
    }
    queue_.run(OperationQueue::Kind::Reload, [this] { load(state_.program.file.DATEI_NAME); });
}

// By value: a reload passes the very name the load replaces.
void LoadFlow::load(std::string path) {  // NOLINT(performance-unnecessary-value-param)
    const LoadResult result =
        DATEI_LADEN(state_.program, path, readChoices(controls_, state_), host_);
    if (result.outcome == LoadOutcome::Loaded) {
        loaded_();
    }
}

}  // namespace zrv
