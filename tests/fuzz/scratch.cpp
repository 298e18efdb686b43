#include "fuzz_checks.h"
#include "support/scratch_folder.h"

namespace zrv::fuzz {

const std::filesystem::path& scratch() {
    static const test::ScratchFolder folder;
    return folder.path();
}

}  // namespace zrv::fuzz
