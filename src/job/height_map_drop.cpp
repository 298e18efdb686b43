#include "job/height_map_drop.h"

namespace zrv {

void dropHeightMap(ProgramState& state, Progress& progress, std::string_view reason) {
    if (!state.heightMap) {
        return;
    }
    state.heightMap.reset();
    state.heightMapLog.clear();
    progress.addLine(reason.empty() ? std::string("Höhenkarte verworfen")
                                    : "Höhenkarte verworfen: " + std::string(reason));
}

std::string heightMapMismatch(const ProgramState& state, const Choices& choices) {
    if (!state.heightMap) {
        return {};
    }
    const std::string changed = changedShapeChoice(state.heightMapShape, probeShape(choices));
    return changed.empty() ? std::string{}
                           : "„" + changed + "“ geändert, sie passt nicht mehr – neu antasten";
}

bool dropMismatchedHeightMap(ProgramState& state, const Choices& choices, Progress& progress) {
    const std::string mismatch = heightMapMismatch(state, choices);
    if (mismatch.empty()) {
        return false;
    }
    dropHeightMap(state, progress, mismatch);
    return true;
}

}  // namespace zrv
