#include "support/QtTestMain.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace tessora::test {

namespace {
using Entry = std::pair<std::string_view, QtTestRun>;

// Filled while the program's test files are initialised, before main runs.
std::vector<Entry>& Registered() {
    static std::vector<Entry> tests;
    return tests;
}

int Usage(const char* program) {
    std::fprintf(stderr, "usage: %s TEST [Qt Test options]\ntests:", program);
    for (const auto& [name, run] : Registered())
        std::fprintf(stderr, " %.*s", static_cast<int>(name.size()), name.data());
    std::fprintf(stderr, "\n");
    return 2;
}
}  // namespace

bool RegisterQtTest(std::string_view name, QtTestRun run) {
    Registered().emplace_back(name, run);
    return true;
}

}  // namespace tessora::test

int main(int argc, char** argv) {
    using namespace tessora::test;
    if (argc < 2) return Usage(argv[0]);
    for (const auto& [name, run] : Registered()) {
        if (name != argv[1]) continue;
        // The program's name, then the options after the test's name.
        std::vector<char*> arguments{argv[0]};
        arguments.insert(arguments.end(), argv + 2, argv + argc);
        arguments.push_back(nullptr);
        return run(argc - 1, arguments.data());
    }
    return Usage(argv[0]);
}
