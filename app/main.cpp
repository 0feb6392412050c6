#include "framelesswindow.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Startup::configureApplication(app);

    FramelessWindow window;
    Startup::installMainPage(window);
    window.resize(1160, 780);
    window.show();
    Startup::openCommandLineFile(window, QApplication::arguments());
    Startup::armFirstPageCapture(window);

    return QApplication::exec();
}
