#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class PdfViewerWidget;
class QAction;
class QShortcut;

// The keyboard of a viewer tab. The tool bar's commands are its actions, put on the viewer (and
// Delete on the strip and the grid), so a key, a click and a menu entry do exactly the same;
// the reading keys of the document view are shortcuts of their own.
class PdfViewerShortcuts : public QObject
{
    Q_OBJECT

public:
    explicit PdfViewerShortcuts(PdfViewerWidget *viewer);

    // Puts the keyboard focus into the view the tab shows, so that its keys work at once.
    static void focusCurrentView(PdfViewerWidget *viewer);

private:
    QShortcut *add(QWidget *owner, const QKeySequence &key, void (PdfViewerShortcuts::*slot)());
    static void put(QWidget *owner, QAction *action);
    void updateEnabled();
    void scrollBy(int direction);

    void zoomIn();
    void zoomOut();
    void zoomReset();
    void fitPage();
    void fitWidth();
    void firstPage();
    void lastPage();
    void screenUp();
    void screenDown();
    void sideways(int direction);
    void leftKey();
    void rightKey();
    void pageNumberBox();

    PdfViewerWidget *m_viewer = nullptr;
    // Reading keys that only make sense in the document view.
    QList<QShortcut *> m_readingKeys;
};
