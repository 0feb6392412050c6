#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class PdfViewerWidget;
class QShortcut;

// The keyboard of a viewer tab. The keys live on the viewer (and on the strip and the grid for
// Delete), never on the tool bar's buttons, and act through the same signals the bar's controls
// emit, so a key and a click do exactly the same.
class PdfViewerShortcuts : public QObject
{
    Q_OBJECT

public:
    explicit PdfViewerShortcuts(PdfViewerWidget *viewer);

    // "Text<Tab>Ctrl+S": the menu shows the key in its own column, in the platform's form.
    static QString menuText(const QString &text, const QKeySequence &key);
    // "Text (Ctrl+Z)" for tool tips.
    static QString toolTipText(const QString &text, const QKeySequence &key);
    static QString keyText(const QKeySequence &key);

    // Puts the keyboard focus into the view the tab shows, so that its keys work at once.
    static void focusCurrentView(PdfViewerWidget *viewer);

private:
    QShortcut *add(QWidget *owner, const QKeySequence &key, void (PdfViewerShortcuts::*slot)());
    void updateEnabled();
    void scrollBy(int direction);

    void save();
    void saveAs();
    void print();
    void undo();
    void redo();
    void zoomIn();
    void zoomOut();
    void zoomReset();
    void firstPage();
    void lastPage();
    void screenUp();
    void screenDown();
    void sideways(int direction);
    void leftKey();
    void rightKey();
    void pageNumberBox();
    void deleteSelected();

    PdfViewerWidget *m_viewer = nullptr;
    // Reading keys that only make sense in the document view.
    QList<QShortcut *> m_readingKeys;
};
