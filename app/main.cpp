#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QLabel window(QStringLiteral("Velmora"));
    window.resize(1160, 780);
    window.show();
    return QApplication::exec();
}
