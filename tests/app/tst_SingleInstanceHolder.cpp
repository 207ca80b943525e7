// A stand-in for a second copy of the program: takes the single-instance lock
// at the path it is given, says "acquired" or "refused", and, when it holds
// the lock, keeps it until its standard input closes.

#include "app/SingleInstance.h"

#include <QString>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s LOCKFILE\n", argv[0]);
        return 2;
    }
    app::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    const bool refused = instance.AnotherIsRunning();
    std::printf("%s\n", refused ? "refused" : "acquired");
    std::fflush(stdout);
    if (refused)
        return 1;
    std::string line;
    while (std::getline(std::cin, line)) { }
    return 0;
}
