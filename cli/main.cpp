// SPDX-License-Identifier: MIT
#include "cli.h"

#include <iostream>
#include <vector>

int main(int argc, char **argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return quantora::runCli(args, std::cout, std::cerr);
}
