// The libFuzzer entry of one target: RUVEK_FUZZ_BODY names its body.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return ruvek::fuzz::RUVEK_FUZZ_BODY(data, size);
}
