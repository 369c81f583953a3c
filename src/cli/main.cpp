#include "cli/CliCommand.h"

#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define VANTREL_ISATTY _isatty
#else
#include <unistd.h>
#define VANTREL_ISATTY ::isatty
#endif

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const bool errIsTerminal = VANTREL_ISATTY(2) != 0;
    return vantrel::cli::runCli(arguments, std::cout, std::cerr, errIsTerminal);
}
