// libFuzzer target: the computer player's pipeline on positions made from the bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "tools/fuzz/PipelineCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = tessora::fuzz::CheckPipeline(std::span(data, size));
    if (!problem.empty()) {
        std::fprintf(stderr, "pipeline check failed: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
