#include "job/job_figures.h"

#include "gcode/depth_steps.h"
#include "job/export.h"
#include "job/time_estimate.h"
#include "levelling/level_program.h"
#include "preview/travel.h"

namespace zrv {

JobFigures jobFigures(const ProgramState& state, const Choices& choices, NumberLocale locale,
                      Planning planning) {
    const FigureStore& store = state.store;
    const Parameters& parameters = choices.parameters;
    JobFigures figures;
    figures.FAHRWEG_BOHRUNGEN = FAHRWEG_BOHRUNGEN(store.PUNKTE);
    figures.FAHRWEG_FRAESUNGEN =
        steppedMillingTravel(store.FRAESUNGEN, millingPasses(parameters, choices.steps),
                             FAHRWEG_FRAESUNGEN(store.FRAESUNGEN));
    figures.ZEIT_BOHRUNGEN = ZEIT_BOHRUNGEN(store.PUNKTE.size(), parameters.Combo_BOHRUNG_TIEFE,
                                            parameters.Combo_BOHRUNG_VORSCHUB_Z_AB);
    figures.ZEIT_FRAESUNGEN =
        ZEIT_FRAESUNGEN(figures.FAHRWEG_FRAESUNGEN, parameters.Combo_FRAESUNG_VORSCHUB_XY);
    if (planning == Planning::Plan) {
        const GcodeJob job = gcodeJob(state, choices, figures, locale);
        LevelledProgram program =
            writtenProgram(job, state.heightMap ? &*state.heightMap : nullptr);
        // A program the export would refuse is timed as it would be without the map.
        if (!program.refusal.empty()) {
            program = writtenProgram(job, nullptr);
        }
        figures.planned = plannedTime(program.lines, choices);
    }
    return figures;
}

}  // namespace zrv
