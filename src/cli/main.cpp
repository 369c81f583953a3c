#include "cli/CliCommand.h"
#include "link/ProgramDirectory.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return vantrel::cli::runCli(arguments, std::cout, std::cerr);
}
