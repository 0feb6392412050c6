#include "commandlinestart.h"
#include "windowprogram.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (const auto exitCode = Startup::runInformationalOptions(argc, argv)) {
        // Everything is written, closed and reported by now; taking the libraries down one
        // static at a time would only make a script wait.
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(*exitCode);
    }
    return WindowProgram::replaceProcess(argv);
}
