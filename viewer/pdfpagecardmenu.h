#pragma once

#include <QList>
#include <QObject>
#include <QPoint>

#include <functional>

class PdfDocumentModel;
class PdfTopToolBar;
class PdfUndoManager;
class QAbstractItemView;
class QMenu;
class QWidget;

// The menu of a right click on a card of the thumbnail strip or the page grid: the page actions
// of the tool bar, acting on the selected pages. A card not yet selected becomes the selection.
class PdfPageCardMenu : public QObject
{
    Q_OBJECT

public:
    // What the menu acts on; host owns it and its menus. insertPdf asks for PDFs to insert
    // before a row.
    struct Parts
    {
        QWidget *host = nullptr;
        PdfDocumentModel *model = nullptr;
        PdfUndoManager *undo = nullptr;
        PdfTopToolBar *toolBar = nullptr;
        QList<QAbstractItemView *> views;
        std::function<void(int beforeRow)> insertPdf;
    };
    explicit PdfPageCardMenu(const Parts &parts);

    // The menu for a click on the card at row (selecting it first); the caller owns it. Null
    // when row is not a page.
    QMenu *build(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QAbstractItemView *view);

    Parts m_parts;
    QList<QAbstractItemView *> m_views;
};
