#include "ui/flows/height_map_flow.h"

#include <utility>

#include "job/height_map_drop.h"
#include "job/height_map_file.h"
#include "settings/plain_number.h"
#include "settings/probe_values.h"
#include "ui/controls/control_values.h"

namespace zrv {

namespace {

constexpr const char* kLogFilter = "Text(*.txt)|*.txt|alle(*.*)|*.*";

}  // namespace

HeightMapFlow::HeightMapFlow(WindowState& state, Controls& controls, Platform& platform, Host& host,
                             std::string messageTitle, std::function<void()> changed)
    : state_(state),
      controls_(controls),
      platform_(platform),
      host_(host),
      messageTitle_(std::move(messageTitle)),
      changed_(std::move(changed)) {}

void HeightMapFlow::MENUE_TASTPROGRAMM_Click() {
    writeProbeProgram(state_.program, readChoices(controls_, state_), host_);
}

void HeightMapFlow::MENUE_TASTPROTOKOLL_LADEN_Click() {
    const std::optional<std::string> chosen =
        platform_.openFile("Tastprotokoll laden", state_.DATEI_ORDNER, kLogFilter);
    if (!chosen) {
        return;
    }
    loadHeightMap(state_.program, readChoices(controls_, state_), *chosen, host_);
    changed_();
}

void HeightMapFlow::MENUE_HOEHENKARTE_VERWERFEN_Click() {
    if (!state_.program.heightMap) {
        return;
    }
    dropHeightMap(state_.program, host_.progress);
    changed_();
}

void HeightMapFlow::choicesChanged() {
    if (dropMismatchedHeightMap(state_.program, readChoices(controls_, state_), host_.progress)) {
        changed_();
    }
}

void HeightMapFlow::chooseProbeValue(std::size_t which) {
    const ProbeValueRow& row = probeValueRows()[which];
    const std::optional<std::string> answer = platform_.inputText(
        row.prompt, messageTitle_, plainNumberText(state_.probe.*row.value, host_.locale));
    if (!answer) {
        return;
    }
    const ProbeValueRead read = readProbeValue(row, *answer, host_.locale);
    if (!read.value) {
        platform_.message(read.refusal, messageTitle_);
        return;
    }
    // The row's bounds are those the probe program holds the choice to.
    state_.probe.*row.value = *read.value;
    choicesChanged();
}

}  // namespace zrv
