#include "screenshots.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace shots {
namespace {

QString &outputFolder()
{
    static QString path = QDir::currentPath();
    return path;
}

} // namespace

void setFolder(const QString &folder)
{
    outputFolder() = folder;
    QDir().mkpath(folder);
}

QString folder()
{
    return outputFolder();
}

void settle(int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        QApplication::processEvents();
        QTest::qWait(40);
    }
}

bool save(const QPixmap &pixmap, const QString &name)
{
    const QString path = QDir(outputFolder()).filePath(name + u".png"_s);
    if (!pixmap.save(path)) {
        qWarning() << "could not write" << path;
        return false;
    }
    qInfo().noquote() << path;
    return true;
}

bool save(QWidget *widget, const QString &name)
{
    settle();
    return save(widget->grab(), name);
}

QPixmap zoomed(const QPixmap &pixmap)
{
    return pixmap.scaled(pixmap.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QPixmap screenAround(QWidget *window, int margin)
{
    settle();
    const QRect r = window->frameGeometry().adjusted(-margin, -margin, margin, margin);
    return window->screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
}

} // namespace shots
