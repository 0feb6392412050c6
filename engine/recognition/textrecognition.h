#pragma once

#include "taskrequest.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

// Searchable scans: pages without text are drawn at 300 dpi, read by tesseract on worker threads
// and given an invisible text layer; everything the page had stays as it was.
namespace textrecognition {

// One recognised word in the page's own user space: its baseline from origin to end (any
// direction: rotated scans and rotated pages alike) and the height of its line.
struct Word
{
    QString text;
    QPointF origin;
    QPointF end;
    double size = 0;
    // The next word of the line follows after a space, or (between two CJK characters) with
    // nothing between them.
    bool spaceAfter = false;
    bool joinsNext = false;
};

struct PageText
{
    QList<Word> words;
};

// The folder tesseract reads its language data from.
QString dataFolder();
// Installed languages (tesseract codes such as "eng", "chi_sim"), orientation data left out.
QStringList installedLanguages();
// The interface language's recognition language plus English, where installed.
QString defaultLanguages();

bool recognise(const TaskRequest &request);

} // namespace textrecognition
