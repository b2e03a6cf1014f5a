#include "Commands.h"

#include <iostream>

int cmdResave(const CliArgs&)
{
    std::cerr << "Dieser Befehl ist noch nicht eingebaut.\n";
    return 2;
}
