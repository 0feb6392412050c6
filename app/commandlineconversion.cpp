#include "commandlineconversion.h"

#include "commandline.h"
#include "outputnaming.h"
#include "taskstatus.h"
#include "tooltype.h"
#include "worklane.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace CommandLineConversion {
namespace {

// VELMORA_PASSWORD, else the first line of standard input: never an argument, which every
// user of the machine could read.
QString readPassword()
{
    const QByteArray fromEnvironment = qgetenv("VELMORA_PASSWORD");
    if (!fromEnvironment.isNull())
        return QString::fromLocal8Bit(fromEnvironment);
    QTextStream in(stdin);
    return in.readLine();
}

} // namespace

int run(const CommandLine &line)
{
    Worklane &lane = Worklane::instance();
    QHash<QString, QString> sources; // task → file, for its messages
    QHash<QString, QString> errors;
    QHash<QString, QString> written;
    int failed = 0;
    int open = 0;
    QEventLoop loop;
    const QObject context;
    QObject::connect(&lane, &Worklane::taskError, &context,
                     [&](const QString &id, const QString &error) { errors.insert(id, error); });
    QObject::connect(
        &lane, &Worklane::taskNote, &context, [&](const QString &id, const QString &note) {
            fputs(qPrintable(QDir::toNativeSeparators(sources.value(id)) + u": "_s + note + u'\n'),
                  stderr);
        });
    QObject::connect(&lane, &Worklane::taskOutputWritten, &context,
                     [&](const QString &id, const QString &path) { written.insert(id, path); });
    QObject::connect(&lane, &Worklane::taskStatus, &context, [&](const QString &id, int status) {
        if (!sources.contains(id) || status == TaskStatus::Running)
            return;
        if (status == TaskStatus::Completed) {
            fputs(qPrintable(QDir::toNativeSeparators(written.value(id)) + u'\n'), stdout);
            fflush(stdout);
        } else {
            ++failed;
            fputs(qPrintable(QDir::toNativeSeparators(sources.value(id)) + u": "_s +
                             errors.value(id) + u'\n'),
                  stderr);
        }
        if (--open == 0)
            loop.quit();
    });

    if (!line.outputFolder.isEmpty() && !QDir().mkpath(line.outputFolder)) {
        fputs(qPrintable(CommandLine::tr("无法创建文件夹：%1")
                             .arg(QDir::toNativeSeparators(line.outputFolder)) +
                         u'\n'),
              stderr);
        return 1;
    }
    // The same requests the tool pages make: the row's output rule, beside each file or in the
    // folder asked for.
    const ToolType::Info &tool = *ToolType::info(line.tool);
    TaskRequest base;
    base.useSourceFolder = line.outputFolder.isEmpty();
    base.outputPath = line.outputFolder;
    base.options = line.options;
    if (line.readsPassword) {
        const QString password = readPassword();
        if (tool.takesPassword)
            base.options.insert(TaskOption::Password, password);
        else
            base.options.insert(TaskOption::InputPasswords,
                                QStringList(line.files.size(), password));
    }
    const QList<TaskRequest> requests = OutputNaming().requests(tool, base, line.files);
    for (qsizetype i = 0; i < requests.size(); ++i) {
        const QString id = lane.submitTask(requests[i]);
        if (id.isEmpty()) {
            ++failed;
            continue;
        }
        sources.insert(id, line.files[i]);
        ++open;
    }
    if (open > 0)
        loop.exec();
    return failed == 0 ? 0 : 1;
}

} // namespace CommandLineConversion
