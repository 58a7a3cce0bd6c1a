// libFuzzer target: tessora-engine's input reading (command line, batch lines, JSON).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tools/fuzz/EngineInputCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string problem = tessora::fuzz::CheckEngineInput(text);
    if (!problem.empty()) {
        std::fprintf(stderr, "engine input check failed: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
