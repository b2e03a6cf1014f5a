#include "Commands.h"

#include <iostream>

int cmdTestpage(const CliArgs&)
{
    std::cerr << "Dieser Befehl ist noch nicht eingebaut.\n";
    return 2;
}
