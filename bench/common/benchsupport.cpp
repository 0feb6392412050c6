#include "benchsupport.h"

#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

#include <algorithm>
#include <QPdfWriter>

using namespace Qt::StringLiterals;

namespace BenchSupport {

qint64 residentKiB(const char *field)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

StallMeter::StallMeter(int intervalMs, std::function<void()> onTick)
    : m_onTick(std::move(onTick))
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(intervalMs);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        const qint64 now = m_clock.nsecsElapsed();
        m_longest = std::max(m_longest, now - m_last);
        m_last = now;
        if (m_onTick)
            m_onTick();
    });
}

void StallMeter::start()
{
    m_longest = 0;
    m_last = 0;
    m_clock.start();
    m_timer.start();
}

double StallMeter::longestMs() const
{
    return double(std::max(m_longest, m_clock.nsecsElapsed() - m_last)) / 1e6;
}

double StallMeter::stopMs()
{
    m_timer.stop();
    return longestMs();
}

bool writeLongDocument(const QString &path, int pages, const QString &heading, int sectionPages,
                       const QString &sentence)
{
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    QFont font(u"DejaVu Serif"_s);
    font.setPixelSize(10);
    painter.setFont(font);
    const QString text = sentence.repeated(2);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.setPen(Qt::black);
        painter.drawText(QPointF(56, 60), u"%1 %2"_s.arg(heading).arg(page / sectionPages + 1));
        for (int line = 0; line < 60; ++line)
            painter.drawText(QPointF(56, 90 + line * 12), text.mid(line % 40, 95));
        painter.fillRect(QRectF(400, 700, 120, 80), QColor::fromHsv(page % 360, 160, 220));
        painter.drawText(QPointF(290, 810), QString::number(page + 1));
    }
    return painter.end();
}

} // namespace BenchSupport
