// tessora-engine: the computer player on the command line (see tessora-engine --help).
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "tools/engine/Engine.h"

int main(int argc, char** argv) {
    try {
        std::ios::sync_with_stdio(false);
        const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
        return tessora::engine::RunEngine(args, std::cin, std::cout, std::cerr);
    } catch (const std::exception& error) {
        // Only running out of memory can get here; say so on one line rather than abort.
        std::cerr << "tessora-engine: " << error.what() << '\n';
        return tessora::engine::kExitEngineFault;
    }
}
