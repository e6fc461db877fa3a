#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "tools/sim/sim.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = olk::sim::parseArguments(args);
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        std::cerr << "olk-sim: " << *error << "\n";
        return 2;
    }
    const auto& options = std::get<olk::sim::Options>(parsed);
    if (!options.help) {
        return olk::sim::run(options, std::cout, std::cerr);
    }
    std::cout << olk::sim::usage() << "\n";
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "olk-sim: cannot write the output\n";
        return 1;
    }
    return 0;
}
