#include "ui/flows/developer_exports.h"

#include "job/export.h"
#include "job/load.h"
#include "ui/common/file_facts.h"
#include "ui/controls/control_values.h"
#include "ui/platform/outside_programs.h"

namespace zrv {

DeveloperExports::DeveloperExports(WindowState& state, Controls& controls, Platform& platform,
                                   Host& host, OperationQueue& queue, const WindowSetup& setup)
    : state_(state),
      controls_(controls),
      platform_(platform),
      host_(host),
      queue_(queue),
      setup_(setup) {}

void DeveloperExports::dump(DumpLayout layout) {
    const OperationQueue::Kind kind = layout == DumpLayout::Horizontal
                                          ? OperationQueue::Kind::DumpHorizontal
                                          : OperationQueue::Kind::DumpVertical;
    queue_.run(kind, [this, layout] { dumpReloaded(layout); });
}

void DeveloperExports::MENUE_EXPORT_DATEN_FRAESUNGEN_Click() {
    queue_.run(OperationQueue::Kind::MillingExport, [this] { exportMilling(); });
}

// The dump shows the file as it is on disk now, so it is read again first.
void DeveloperExports::dumpReloaded(DumpLayout layout) {
    bool emptyFile = false;
    if (state_.START_FERTIG) {
        // A copy: the load replaces the name it reads from.
        const std::string name = state_.program.file.DATEI_NAME;
        const LoadResult loaded =
            DATEI_LADEN(state_.program, name, readChoices(controls_, state_), host_);
        if (state_.program.file.DATEI_INHALT.empty() && !loaded.message.empty()) {
            return;  // the load has said why
        }
        // An empty drawing file is still a file: its dump is empty, not "no Datei".
        emptyFile = loaded.outcome == LoadOutcome::Empty;
    }
    if (!emptyFile && !drawingInMemory(state_.program.file, platform_, setup_.programName)) {
        return;
    }
    const WriteResult written = writeDump(state_.program.file, layout, host_);
    if (written.status.ok()) {
        showWritten(written.path);
    }
}

// Without a drawing read whole the core refuses and says why.
void DeveloperExports::exportMilling() {
    const WriteResult written = exportMillingData(state_.program, host_);
    if (written.status.ok()) {
        showWritten(written.path);
    }
}

void DeveloperExports::showWritten(const std::string& path) {
    startEditor(platform_, state_.paths.PROGRAMM_EDITOR, path, setup_.programName);
}

}  // namespace zrv
