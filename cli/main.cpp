#include "cli/CliRun.h"

#include <QCoreApplication>

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return RunCli(argc, argv, std::cout, std::cerr, std::cin, isatty(STDIN_FILENO) == 1);
}
