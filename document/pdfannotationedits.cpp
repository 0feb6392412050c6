#include "pdfdocumentmodel.h"
#include "pdfundomanager.h"

#include <atomic>

namespace {

std::atomic<quint64> versions{1};

} // namespace

bool PdfDocumentModel::setPageAnnotations(PdfPageId id, const QList<PdfAnnotation> &annotations,
                                          const QList<int> &hidden)
{
    const int row = rowOfPage(id);
    if (row < 0)
        return false;
    PdfPageEntry &entry = m_pages[row];
    if (entry.annotations == annotations && entry.hiddenAnnotations == hidden)
        return false;
    entry.annotations = annotations;
    entry.hiddenAnnotations = hidden;
    markAnnotationsEdited(row);
    return true;
}

bool PdfDocumentModel::setPageFieldValues(PdfPageId id, const QMap<QString, QString> &values)
{
    const int row = rowOfPage(id);
    if (row < 0 || m_pages[row].fieldValues == values)
        return false;
    m_pages[row].fieldValues = values;
    markAnnotationsEdited(row);
    return true;
}

void PdfDocumentModel::markAnnotationsEdited(int row)
{
    PdfPageEntry &entry = m_pages[row];
    entry.annotationVersion = versions.fetch_add(1);
    entry.edited = true;
    // Views take the stamp and size roles as the sign to draw the page again.
    Q_EMIT dataChanged(index(row), index(row),
                       {PageSizeRole, StampTextRole, AnnotationsRole, EditedRole});
    markPagesChanged();
}

bool PdfUndoManager::setPageFieldValues(PdfPageId id, const QMap<QString, QString> &values)
{
    if (!m_model)
        return false;
    flushPendingMove();
    const QList<PdfPageEntry> before = m_model->pages();
    const quint64 revision = m_model->revision();
    if (!m_model->setPageFieldValues(id, values))
        return false;
    pushSnapshot(tr("填写表单"), before, revision);
    return true;
}

bool PdfUndoManager::setPageAnnotations(PdfPageId id, const QList<PdfAnnotation> &annotations,
                                        const QList<int> &hidden, const QString &text)
{
    if (!m_model)
        return false;
    flushPendingMove();
    const QList<PdfPageEntry> before = m_model->pages();
    const quint64 revision = m_model->revision();
    if (!m_model->setPageAnnotations(id, annotations, hidden))
        return false;
    pushSnapshot(text, before, revision);
    return true;
}
