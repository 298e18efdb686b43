// The libFuzzer entry of one target, chosen at build time by ZRV_FUZZ_TARGET.
#include <cstdio>
#include <cstdlib>

#include "fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fault = zrv::fuzz::ZRV_FUZZ_TARGET(zrv::fuzz::Bytes(data, size));
    if (!fault.empty()) {
        std::fprintf(stderr, "zrvcam fuzz finding: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
