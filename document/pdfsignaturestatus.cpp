#include "pdfsignaturestatus.h"

#include "jobrunner.h"
#include "pathidentity.h"
#include "pdfdocumentmodel.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSet>

#include <memory>

namespace {

struct Check
{
    PdfSignatureReport report;
    bool ok = false;
    QString message;
};

} // namespace

PdfSignatureStatus::PdfSignatureStatus(PdfDocumentModel *model, QObject *parent)
    : QObject(parent)
    , m_model(model)
{}

PdfSignatureStatus::~PdfSignatureStatus() = default;

bool PdfSignatureStatus::isSigned() const
{
    switch (m_state) {
    case State::None:
        return false;
    case State::Ready:
        return m_report.isSigned();
    case State::Checking:
    case State::Failed:
        break;
    }
    return PdfSignatures::isSigned(m_path, m_password);
}

void PdfSignatureStatus::refresh()
{
    const quint64 generation = ++m_generation;
    m_path = m_model ? m_model->documentPath() : QString();
    m_password = m_model ? m_model->documentPassword() : QString();
    m_filePages = m_model ? m_model->pageCount() : 0;
    m_report = PdfSignatureReport();
    m_failure.clear();
    if (m_path.isEmpty()) {
        m_state = State::None;
        Q_EMIT changed();
        return;
    }
    m_state = State::Checking;
    Q_EMIT checkingStarted();
    Q_EMIT changed();

    auto check = std::make_shared<Check>();
    const QString path = m_path;
    const QString password = m_password;
    QPointer<PdfSignatureStatus> self(this);
    QFuture<void> checked = jobs::run(jobs::Lane::Reads, [check, path, password, self, generation] {
        // Telling apart a signed file first lets the tab say that a check is under way.
        if (PdfSignatures::isSigned(path, password)) {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self, generation] {
                    if (self && generation == self->m_generation &&
                        self->m_state == State::Checking)
                        Q_EMIT self->signaturesFound();
                },
                Qt::QueuedConnection);
        }
        PdfBackendError error = PdfBackendError::NoError;
        check->ok = PdfSignatures::verify(path, password, &check->report, &error, &check->message);
    });
    jobs::whenDone(checked, this, [self, check, generation] {
        // A later refresh (another save, another file) has the last word.
        if (!self || generation != self->m_generation)
            return;
        if (!check->ok) {
            self->m_state = State::Failed;
            self->m_failure = check->message;
            Q_EMIT self->checkFailed(check->message);
            Q_EMIT self->changed();
            return;
        }
        self->m_state = State::Ready;
        self->m_report = check->report;
        Q_EMIT self->reportReady(self->m_report);
        Q_EMIT self->changed();
    });
}

int PdfSignatureStatus::saveChanges(const QList<PdfSourcePage> &pages,
                                    const PdfWriteOptions &options) const
{
    if (m_path.isEmpty() || pages.isEmpty() || !isSigned())
        return KeepsSignatures;
    if (pathidentity::same(pages.front().filePath, m_path) &&
        PdfSignatures::canAppend(pages, options) && pages.size() == m_filePages)
        return KeepsSignatures;

    int changes = KeepsSignatures;
    if (options.flattenAnnotations)
        changes |= Flattened;
    if (options.metadata)
        changes |= PropertiesChanged;
    const QList<PdfPageEntry> entries = m_model ? m_model->pages() : QList<PdfPageEntry>();
    QSet<int> kept;
    int previous = -1;
    for (const PdfPageEntry &entry : entries) {
        if (entry.rotation % 360 != 0)
            changes |= PagesRotated;
        if (!entry.stampText.isEmpty())
            changes |= PageNumbersAdded;
        if (entry.origin != PdfPageOrigin::Loaded) {
            changes |= PagesInserted;
            continue;
        }
        if (!pathidentity::same(entry.sourcePath, m_path)) {
            // The page's file was replaced by another version of it (recognised text).
            changes |= ContentReplaced;
            continue;
        }
        if (kept.contains(entry.sourcePageIndex))
            changes |= PagesInserted;
        if (entry.sourcePageIndex < previous)
            changes |= PagesMoved;
        previous = entry.sourcePageIndex;
        kept.insert(entry.sourcePageIndex);
    }
    if (kept.size() < m_filePages && !(changes & ContentReplaced))
        changes |= PagesDeleted;
    return changes == KeepsSignatures ? int(ContentReplaced) : changes;
}
