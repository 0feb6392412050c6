#include "pdffileregistry.h"

#include "pathidentity.h"
#include "pdfdocumentsession.h"

PdfFileRegistry *PdfFileRegistry::instance()
{
    static PdfFileRegistry registry;
    return &registry;
}

void PdfFileRegistry::add(PdfDocumentSession *session)
{
    if (session && !m_sessions.contains(session))
        m_sessions.append(session);
}

void PdfFileRegistry::remove(PdfDocumentSession *session)
{
    m_sessions.removeAll(session);
    m_sessions.removeAll(nullptr);
}

QList<PdfDocumentSession *> PdfFileRegistry::sessions() const
{
    QList<PdfDocumentSession *> live;
    for (const QPointer<PdfDocumentSession> &session : m_sessions) {
        if (session)
            live.append(session.data());
    }
    return live;
}

PdfDocumentSession *PdfFileRegistry::documentSession(const QString &path) const
{
    const QString key = pathidentity::key(path);
    if (key.isEmpty())
        return nullptr;
    for (PdfDocumentSession *session : sessions()) {
        if (session->documentKey() == key)
            return session;
    }
    return nullptr;
}

QList<PdfDocumentSession *> PdfFileRegistry::sessionsUsing(const QString &path,
                                                           const PdfDocumentSession *except) const
{
    const QString key = pathidentity::key(path);
    QList<PdfDocumentSession *> found;
    if (key.isEmpty())
        return found;
    for (PdfDocumentSession *session : sessions()) {
        if (session != except && session->usesFile(key))
            found.append(session);
    }
    return found;
}

QStringList PdfFileRegistry::filesInUse(const PdfDocumentSession *except) const
{
    QStringList files;
    for (PdfDocumentSession *session : sessions()) {
        if (session != except)
            files.append(session->referencedFiles());
    }
    files.removeDuplicates();
    return files;
}

void PdfFileRegistry::beginWrite(const QString &path)
{
    ++m_writes[pathidentity::key(path)];
}

void PdfFileRegistry::endWrite(const QString &path)
{
    const QString key = pathidentity::key(path);
    if (--m_writes[key] <= 0)
        m_writes.remove(key);
}

bool PdfFileRegistry::isBeingWritten(const QString &path) const
{
    return m_writes.contains(pathidentity::key(path));
}
