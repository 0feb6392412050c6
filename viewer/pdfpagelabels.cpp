#include "pdfpagelabels.h"

#include "jobrunner.h"
#include "pdfdocumentmodel.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QThreadPool>

using namespace Qt::StringLiterals;

namespace {

QString fileKey(const QString &path)
{
    const QFileInfo info(path);
    return u"%1\n%2\n%3"_s.arg(path).arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
}

} // namespace

PdfPageLabels::PdfPageLabels(PdfDocumentModel *model, QObject *parent)
    : QObject(parent)
    , m_model(model)
{
    connect(model, &PdfDocumentModel::pageListChanged, this, &PdfPageLabels::refresh);
    connect(model, &QAbstractItemModel::modelReset, this, &PdfPageLabels::refresh);
    // A save (or another program) may have written the files anew, with other labels or none.
    connect(model, &PdfDocumentModel::modifiedChanged, this, &PdfPageLabels::refresh);
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                if (PdfDocumentModel::pageChanges(roles) & PdfDocumentModel::PageChange::Pixels)
                    refresh();
            });
    refresh();
}

void PdfPageLabels::refresh()
{
    if (!m_model)
        return;
    const QList<PdfPageEntry> pages = m_model->pages();
    QHash<QString, QString> keys;
    QStringList labels;
    labels.reserve(pages.size());
    bool own = false;
    for (int row = 0; row < pages.size(); ++row) {
        const PdfPageEntry &page = pages.at(row);
        QString label;
        if (!page.sourcePath.isEmpty()) {
            auto key = keys.constFind(page.sourcePath);
            if (key == keys.cend())
                key = keys.insert(page.sourcePath, fileKey(page.sourcePath));
            const auto known = m_files.constFind(*key);
            if (known != m_files.cend()) {
                label = known->value(page.sourcePageIndex);
            } else if (!m_reading.value(*key)) {
                m_reading.insert(*key, true);
                QPointer<PdfPageLabels> guard(this);
                jobs::startOn(jobs::Lane::Reads, [guard, file = *key, path = page.sourcePath,
                                                  password = page.password] {
                    QString message;
                    const QStringList read = PdfEditorBackend::pageLabels(path, password, &message);
                    QMetaObject::invokeMethod(qApp, [guard, file, read] {
                        if (guard)
                            guard->fileRead(file, read);
                    });
                });
            }
        }
        own = own || (!label.isEmpty() && label != QString::number(row + 1));
        labels.append(label);
    }
    if (!own)
        labels.clear();
    if (labels == m_labels)
        return;
    m_labels = labels;
    Q_EMIT labelsChanged(m_labels);
}

void PdfPageLabels::fileRead(const QString &key, const QStringList &labels)
{
    m_reading.remove(key);
    m_files.insert(key, labels);
    refresh();
    if (m_reading.isEmpty())
        Q_EMIT readingDone();
}
