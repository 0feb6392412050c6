// A local account service to try the program against by hand:
//   velmora-account-server [--port N] [--delay MS]
// then start velmora with VELMORA_ACCOUNT_SERVICE_URL set to the address it prints.
#include "fakeaccountserver.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Local account service for trying Velmora's sign-in."_s);
    parser.addHelpOption();
    const QCommandLineOption portOption(u"port"_s, u"Port to listen on (default: any free one)."_s,
                                        u"port"_s, u"0"_s);
    const QCommandLineOption delayOption(u"delay"_s, u"Answer every request this late."_s,
                                         u"milliseconds"_s, u"0"_s);
    parser.addOption(portOption);
    parser.addOption(delayOption);
    parser.process(app);

    FakeAccountServer server;
    server.setDelay(parser.value(delayOption).toInt());
    server.addAccount(
        {u"demo@velmora.test"_s, u"demo-password"_s, u"demo"_s, true, u"pro"_s, u"2027-01-31"_s});
    server.addAccount(
        {u"free.user@velmora.test"_s, u"free-password"_s, QString(), false, QString(), QString()});
    if (!server.listen(quint16(parser.value(portOption).toUInt()))) {
        QTextStream(stderr) << "cannot listen: " << server.errorString() << '\n';
        return 1;
    }

    QTextStream out(stdout);
    out << "Account service at " << server.baseUrl().toString() << '\n'
        << "  VELMORA_ACCOUNT_SERVICE_URL=" << server.baseUrl().toString() << " velmora\n"
        << "Accounts: demo@velmora.test / demo-password (subscribed), "
           "free.user@velmora.test / free-password (free)\n";
    out.flush();
    QObject::connect(&server, &FakeAccountServer::replySent, &app,
                     [&out](const QString &path, int status) {
                         out << status << ' ' << path << '\n';
                         out.flush();
                     });
    return QCoreApplication::exec();
}
