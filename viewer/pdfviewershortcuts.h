#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class PdfDocumentModel;
class PdfDocumentView;
class PdfReadingHistory;
class PdfTopToolBar;
class QAction;
class QShortcut;
class QStackedWidget;

// The keyboard of a viewer tab. The tool bar's commands are its actions, put on the viewer (and
// Delete on the strip and the grid), so a key, a click and a menu entry do exactly the same;
// the reading keys of the document view are shortcuts of their own.
class PdfViewerShortcuts : public QObject
{
    Q_OBJECT

public:
    // What the keys act on: host is the viewer tab's widget, which holds the keys; strip and
    // grid take Delete.
    struct Parts
    {
        QWidget *host = nullptr;
        PdfDocumentModel *model = nullptr;
        PdfDocumentView *view = nullptr;
        PdfReadingHistory *history = nullptr;
        PdfTopToolBar *toolBar = nullptr;
        QStackedWidget *viewStack = nullptr;
        QWidget *strip = nullptr;
        QWidget *grid = nullptr;
    };
    explicit PdfViewerShortcuts(const Parts &parts);

    // Puts the keyboard focus into the view a tab's stack shows, so that its keys work at once.
    static void focusCurrentView(QStackedWidget *viewStack);

Q_SIGNALS:
    // Zoom and fit keys, which the tab carries out with its bars.
    void zoomInPressed();
    void zoomOutPressed();
    void zoomResetPressed();
    void fitPagePressed();
    void fitWidthPressed();
    // Ctrl+G: into the page number box.
    void pageNumberPressed();

private:
    QShortcut *add(QWidget *owner, const QKeySequence &key, void (PdfViewerShortcuts::*slot)());
    static void put(QWidget *owner, QAction *action);
    void updateEnabled();
    void scrollBy(int direction);

    void firstPage();
    void lastPage();
    void screenUp();
    void screenDown();
    void sideways(int direction);
    void leftKey();
    void rightKey();

    Parts m_parts;
    // Reading keys that only make sense in the document view.
    QList<QShortcut *> m_readingKeys;
};
