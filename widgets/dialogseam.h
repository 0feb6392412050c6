#pragma once

#include <QColor>
#include <QLineEdit>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// Every modal question the program asks (file, folder and text dialogs, message boxes) goes
// through here, so that tests can answer it without a dialog ever blocking.
//
// Answers queued with the answer* functions are taken first-in first-out by the next dialog of
// their kind. In scripted mode a dialog without a queued answer is cancelled instead of shown.
class DialogSeam
{
public:
    enum class Kind { OpenFile, OpenFiles, SaveFile, Directory, Text, MessageBox, Colour };

    // What a dialog that the seam answered was asked.
    struct Request
    {
        Kind kind;
        QString title;
        QString text; // the message, label or start directory
        int messageKind = -1;
    };

    static QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                   const QString &filter);
    static QStringList getOpenFileNames(QWidget *parent, const QString &caption, const QString &dir,
                                        const QString &filter);
    static QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                   const QString &filter);
    static QString getExistingDirectory(QWidget *parent, const QString &caption,
                                        const QString &dir);
    static QString getText(QWidget *parent, const QString &title, const QString &label,
                           QLineEdit::EchoMode mode, const QString &text, bool *ok);
    // An invalid colour when cancelled.
    static QColor getColour(QWidget *parent, const QString &title, const QColor &initial);

    // For message boxes: the queued answer, or 0 in scripted mode, or nothing (show the box).
    static std::optional<int> messageBoxAnswer(const QString &title, const QString &message,
                                               int messageKind);

    // Test side.
    static void setScripted(bool scripted);
    static bool isScripted();
    // An empty list cancels the dialog; single-path dialogs take the first path.
    static void answerFiles(const QStringList &paths);
    static void answerDirectory(const QString &path);
    static void answerText(const QString &text, bool accepted = true);
    static void answerMessageBox(int result);
    static void answerColour(const QColor &colour, bool accepted = true);
    static QList<Request> requests();
    static qsizetype pendingAnswers();
    // Drops queued answers and recorded requests and leaves scripted mode.
    static void reset();
};
