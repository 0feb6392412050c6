#include "dialogseam.h"

#include "modernmessagebox.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMutex>
#include <QVariant>

#include <deque>

namespace {

struct Answer
{
    DialogSeam::Kind kind;
    QVariant value;
    bool accepted = true;
};

struct SeamState
{
    bool scripted = false;
    std::deque<Answer> answers;
    QList<DialogSeam::Request> requests;
};

// Dialogs run on the GUI thread only; the mutex just keeps a stray call from elsewhere safe.
QMutex seamMutex;

SeamState &state()
{
    static SeamState s;
    return s;
}

bool sameFamily(DialogSeam::Kind queued, DialogSeam::Kind asked)
{
    using K = DialogSeam::Kind;
    const auto isPath = [](K k) {
        return k == K::OpenFile || k == K::OpenFiles || k == K::SaveFile || k == K::Directory;
    };
    return queued == asked || (isPath(queued) && isPath(asked));
}

// Takes the first queued answer of the asked kind. An unanswered dialog in scripted mode gets
// a default-constructed, not accepted answer.
std::optional<Answer> take(DialogSeam::Kind kind, const QString &title, const QString &text,
                           int messageKind = -1)
{
    QMutexLocker lock(&seamMutex);
    SeamState &s = state();
    for (auto it = s.answers.begin(); it != s.answers.end(); ++it) {
        if (sameFamily(it->kind, kind)) {
            Answer a = *it;
            s.answers.erase(it);
            s.requests.append({kind, title, text, messageKind});
            return a;
        }
    }
    if (!s.scripted)
        return std::nullopt;
    s.requests.append({kind, title, text, messageKind});
    return Answer{kind, QVariant(), false};
}

QStringList pathsOf(const Answer &a)
{
    return a.accepted ? a.value.toStringList() : QStringList();
}

} // namespace

QString DialogSeam::getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter)
{
    if (const auto a = take(Kind::OpenFile, caption, dir))
        return pathsOf(*a).value(0);
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QStringList DialogSeam::getOpenFileNames(QWidget *parent, const QString &caption,
                                         const QString &dir, const QString &filter)
{
    if (const auto a = take(Kind::OpenFiles, caption, dir))
        return pathsOf(*a);
    return QFileDialog::getOpenFileNames(parent, caption, dir, filter);
}

QString DialogSeam::getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter)
{
    if (const auto a = take(Kind::SaveFile, caption, dir))
        return pathsOf(*a).value(0);
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QString DialogSeam::getExistingDirectory(QWidget *parent, const QString &caption,
                                         const QString &dir)
{
    if (const auto a = take(Kind::Directory, caption, dir))
        return pathsOf(*a).value(0);
    return QFileDialog::getExistingDirectory(parent, caption, dir, QFileDialog::ShowDirsOnly);
}

QString DialogSeam::getText(QWidget *parent, const QString &title, const QString &label,
                            QLineEdit::EchoMode mode, const QString &text, bool *ok)
{
    if (const auto a = take(Kind::Text, title, label)) {
        if (ok)
            *ok = a->accepted;
        return a->accepted ? a->value.toString() : QString();
    }
    if (mode == QLineEdit::Password && text.isEmpty())
        return ModernMessageBox::askPassword(parent, title, label, ok);
    return QInputDialog::getText(parent, title, label, mode, text, ok);
}

QColor DialogSeam::getColour(QWidget *parent, const QString &title, const QColor &initial)
{
    if (const auto a = take(Kind::Colour, title, initial.name()))
        return a->accepted ? a->value.value<QColor>() : QColor();
    return QColorDialog::getColor(initial, parent, title);
}

std::optional<int> DialogSeam::messageBoxAnswer(const QString &title, const QString &message,
                                                int messageKind)
{
    if (const auto a = take(Kind::MessageBox, title, message, messageKind))
        return a->accepted ? a->value.toInt() : 0;
    return std::nullopt;
}

void DialogSeam::setScripted(bool scripted)
{
    QMutexLocker lock(&seamMutex);
    state().scripted = scripted;
}

bool DialogSeam::isScripted()
{
    QMutexLocker lock(&seamMutex);
    return state().scripted;
}

void DialogSeam::answerFiles(const QStringList &paths)
{
    QMutexLocker lock(&seamMutex);
    state().answers.push_back({Kind::OpenFiles, paths, !paths.isEmpty()});
}

void DialogSeam::answerDirectory(const QString &path)
{
    QMutexLocker lock(&seamMutex);
    state().answers.push_back({Kind::Directory, QStringList{path}, !path.isEmpty()});
}

void DialogSeam::answerText(const QString &text, bool accepted)
{
    QMutexLocker lock(&seamMutex);
    state().answers.push_back({Kind::Text, text, accepted});
}

void DialogSeam::answerMessageBox(int result)
{
    QMutexLocker lock(&seamMutex);
    state().answers.push_back({Kind::MessageBox, result, true});
}

void DialogSeam::answerColour(const QColor &colour, bool accepted)
{
    QMutexLocker lock(&seamMutex);
    state().answers.push_back({Kind::Colour, colour, accepted});
}

QList<DialogSeam::Request> DialogSeam::requests()
{
    QMutexLocker lock(&seamMutex);
    return state().requests;
}

qsizetype DialogSeam::pendingAnswers()
{
    QMutexLocker lock(&seamMutex);
    return qsizetype(state().answers.size());
}

void DialogSeam::reset()
{
    QMutexLocker lock(&seamMutex);
    state() = SeamState();
}
