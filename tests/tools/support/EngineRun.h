#pragma once

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "tools/engine/Engine.h"

namespace tessora::engine::test {

// One run of the tool inside the test: its exit status and everything it wrote.
struct EngineRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline EngineRun RunTool(std::vector<std::string> args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    EngineRun run;
    run.status = RunEngine(args, in, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// The lines of a text that ends each line with '\n'; a missing last line end is kept visible
// as a line of its own marked "<no line end>".
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no line end>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace tessora::engine::test
