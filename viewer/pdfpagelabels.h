#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>

class PdfDocumentModel;

// The page labels of the document's rows ("iii", "A-2"), read from each file's /PageLabels on a
// pool thread. A row shows its source page's label; a document whose labels are only its page
// numbers has none.
class PdfPageLabels : public QObject
{
    Q_OBJECT

public:
    explicit PdfPageLabels(PdfDocumentModel *model, QObject *parent = nullptr);

    // One label a row, empty when the document has no labels of its own.
    QStringList labels() const { return m_labels; }
    // Some file's labels are still being read.
    bool isReading() const { return !m_reading.isEmpty(); }

Q_SIGNALS:
    void labelsChanged(const QStringList &labels);
    // Every file's labels are known (after labelsChanged, when they changed anything).
    void readingDone();

private:
    void refresh();
    void fileRead(const QString &key, const QStringList &labels);

    QPointer<PdfDocumentModel> m_model;
    // Labels by file (path, size and time), an empty list for a file without any.
    QHash<QString, QStringList> m_files;
    QHash<QString, bool> m_reading;
    QStringList m_labels;
};
