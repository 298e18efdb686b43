// The pictures of the whole board, apart from the road: rasterising and packing a PNG costs
// more than all the rest of a drawing's road.
#include <string>
#include <string_view>

#include "fuzz_checks.h"
#include "fuzz_targets.h"
#include "load_job.h"
#include "preview/picture.h"
#include "preview/scene.h"
#include "support/file_bytes.h"

namespace zrv::fuzz {
namespace {

// What a reader of the file sees first and last.
std::string checkFrame(const std::string& bytes, std::string_view start, std::string_view end) {
    return bytes.starts_with(start) && bytes.ends_with(end) ? std::string{}
                                                            : "a picture without its frame";
}

}  // namespace

std::string previewPictures(Bytes data) {
    const Job job = readJob(data, RoutePass::Off);
    Analysed analysed = analyse(job.drawing, job.choices, job.locale);
    const PreviewScene scene = ZEICHNEN_VORSCHAU(analysed.state.store, job.choices.view,
                                                 job.choices.calibration, job.locale);
    for (const char* name : {"fuzz.png", "fuzz.svg"}) {
        if (const Status written = writePreviewPicture(scratch() / name, scene); !written.ok()) {
            return "the preview was not written: " + written.error;
        }
    }
    if (std::string fault = checkFrame(test::readBytes(scratch() / "fuzz.png"), "\x89PNG\r\n\x1a\n",
                                       std::string_view("IEND\xae\x42\x60\x82", 8));
        !fault.empty()) {
        return fault;
    }
    return checkFrame(test::readBytes(scratch() / "fuzz.svg"), "<?xml", "</svg>\n");
}

}  // namespace zrv::fuzz
