#pragma once

#include <QObject>
#include <QPoint>

class PdfAnnotationLayer;
class PdfAnnotationModel;
class PdfDocumentModel;
class PdfDocumentView;
class PdfFindBar;
class PdfPageInteraction;
class PdfReadingHistory;
class QMenu;
class QWidget;

// The menu of a right click on the reading view: copy, select all, find the selection, mark it
// (highlight, underline, strike-out), back.
class PdfPageMenu : public QObject
{
    Q_OBJECT

public:
    // What the menu acts on; host owns it and its menus.
    struct Parts
    {
        QWidget *host = nullptr;
        PdfDocumentModel *model = nullptr;
        PdfDocumentView *view = nullptr;
        PdfPageInteraction *pages = nullptr;
        PdfFindBar *findBar = nullptr;
        PdfReadingHistory *history = nullptr;
    };
    explicit PdfPageMenu(const Parts &parts);
    // The markup tools that mark a selection; without them the menu offers no marking.
    void setAnnotations(PdfAnnotationModel *annotations, PdfAnnotationLayer *layer);

    // The menu for a click at a point of the view's viewport; the caller owns it.
    QMenu *build(const QPoint &viewportPosition);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int rowAt(const QPoint &viewportPosition) const;

    Parts m_parts;
    PdfAnnotationModel *m_annotations = nullptr;
    PdfAnnotationLayer *m_annotationLayer = nullptr;
};
