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
    Q_EMIT dataChanged(index(row), index(row), {AnnotationsRole, EditedRole});
    markPagesChanged();
}

bool PdfUndoManager::setPageFieldValues(PdfPageId id, const QMap<QString, QString> &values)
{
    return record(tr("填写表单"), false,
                  [&](PdfDocumentModel &model) { return model.setPageFieldValues(id, values); });
}

bool PdfUndoManager::setPageAnnotations(PdfPageId id, const QList<PdfAnnotation> &annotations,
                                        const QList<int> &hidden, const QString &text)
{
    return record(text, false, [&](PdfDocumentModel &model) {
        return model.setPageAnnotations(id, annotations, hidden);
    });
}
