#include "commandlinestart.h"
#include "windowprogram.h"

int main(int argc, char *argv[])
{
    if (const auto exitCode = Startup::runInformationalOptions(argc, argv))
        return *exitCode;
    return WindowProgram::replaceProcess(argv);
}
