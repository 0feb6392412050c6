#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class PdfDocumentSession;

// Which file is open where: every document session of the program registers here, so that a
// save can find the other tabs that read the file it replaces, and so that a tab's file watcher
// can tell a write of this program from one of another program. GUI thread only.
class PdfFileRegistry : public QObject
{
    Q_OBJECT

public:
    static PdfFileRegistry *instance();

    void add(PdfDocumentSession *session);
    void remove(PdfDocumentSession *session);
    QList<PdfDocumentSession *> sessions() const;

    // The session whose document is the file, or null.
    PdfDocumentSession *documentSession(const QString &path) const;
    // Sessions other than except whose document, pages or undo history read the file.
    QList<PdfDocumentSession *> sessionsUsing(const QString &path,
                                              const PdfDocumentSession *except = nullptr) const;
    // Every file that sessions other than except read.
    QStringList filesInUse(const PdfDocumentSession *except = nullptr) const;

    // A save into the file runs; changes seen on it meanwhile are this program's own.
    void beginWrite(const QString &path);
    void endWrite(const QString &path);
    bool isBeingWritten(const QString &path) const;

private:
    QList<QPointer<PdfDocumentSession>> m_sessions;
    QHash<QString, int> m_writes;
};
