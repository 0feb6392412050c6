#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>

#include <functional>

namespace BenchSupport {

// The longest gap between ticks of a fast timer: how long the event loop was blocked. The gap
// since the last tick counts too, so work that never returns to the loop shows in full.
class StallMeter
{
public:
    explicit StallMeter(int intervalMs = 1, std::function<void()> onTick = {});
    void start();
    qint64 elapsedMs() const { return m_clock.elapsed(); }
    double longestMs() const;
    double stopMs();

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
    std::function<void()> m_onTick;
};

// A field of /proc/self/status in KiB ("VmRSS:" now, "VmHWM:" the peak); -1 when unreadable.
qint64 residentKiB(const char *field);

// Writes an A4 text document of the given length: a heading every sectionPages pages, sixty
// lines of the sentence and a coloured block per page, so every page costs about the same to draw.
bool writeLongDocument(const QString &path, int pages, const QString &heading, int sectionPages,
                       const QString &sentence);

} // namespace BenchSupport
