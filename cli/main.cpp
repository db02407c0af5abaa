// SPDX-License-Identifier: MIT
#include "cli.h"
#include "console_setup.h"

#include <iostream>
#include <vector>

int main(int argc, char **argv)
{
    // The converter writes whole lines and blocks itself; C stdio is not used.
    std::ios::sync_with_stdio(false);
    quantora::setUpConsole(argc, argv);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return quantora::runCli(args, std::cin, std::cout, std::cerr);
}
