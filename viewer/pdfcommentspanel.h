#pragma once

#include "pdfannotationmodel.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class PdfDocumentModel;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QTimer;

// Every annotation of the document in page order, numbered, with its type, author, date, text
// and review state, the replies to it beneath: a click shows it on its page, a double click
// edits its text, the context menu or Delete removes it. Shown as a tab beside the thumbnails
// and bookmarks.
class PdfCommentsPanel : public QWidget
{
    Q_OBJECT

public:
    PdfCommentsPanel(PdfDocumentModel *model, PdfAnnotationModel *annotations,
                     QWidget *parent = nullptr);
    ~PdfCommentsPanel() override;

    QString tabText() const { return tr("批注"); }
    static QString tabIcon() { return QStringLiteral(":/res/icons/pdfviewer/annot-note.png"); }
    QListWidget *list() const { return m_list; }
    // The annotation a list row stands for.
    PdfAnnotationRef refAt(int listRow) const;
    // One label a row ("iii"); pages are named by them, with the number where they differ.
    void setPageLabels(const QStringList &labels);
    // A review state (/State) in the user's words.
    static QString stateName(const QString &state);

Q_SIGNALS:
    void annotationActivated(const PdfAnnotationRef &ref);
    void editRequested(const PdfAnnotationRef &ref);
    void deleteRequested(const PdfAnnotationRef &ref);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuild();
    void showMenu(const QPoint &pos);

    QPointer<PdfDocumentModel> m_model;
    QPointer<PdfAnnotationModel> m_annotations;
    QListWidget *m_list = nullptr;
    QLabel *m_emptyLabel = nullptr;
    QTimer *m_rebuild = nullptr;
    QList<PdfAnnotationRef> m_refs;
    QStringList m_labels;
};
