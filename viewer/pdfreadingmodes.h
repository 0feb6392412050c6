#pragma once

#include "pdfdocumentview.h"
#include "pdfpresentationview.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

class PdfDocumentModel;
class PdfReadingHistory;
class PdfRenderManager;
class PdfTopToolBar;
class QAction;
class QActionGroup;
class QMenu;
class QSplitter;
class QStackedWidget;

// How a viewer tab shows its pages beyond zoom: the page layout, a turn of the view that leaves
// the document as it is, full screen and the presentation. Its commands are actions on the
// viewer (keys) and entries of the tool bar's more menu.
class PdfReadingModes : public QObject
{
    Q_OBJECT

public:
    enum class Command {
        RotateViewClockwise,
        RotateViewAnticlockwise,
        FullScreen,
        Presentation,
    };

    // What the modes act on: host is the viewer tab's widget (its keys, window and column of
    // bars), splitter holds the side panels beside viewStack, the reading view's stack.
    struct Parts
    {
        QWidget *host = nullptr;
        PdfDocumentModel *model = nullptr;
        PdfRenderManager *renderManager = nullptr;
        PdfDocumentView *view = nullptr;
        PdfReadingHistory *history = nullptr;
        PdfTopToolBar *toolBar = nullptr;
        QSplitter *splitter = nullptr;
        QStackedWidget *viewStack = nullptr;
    };
    explicit PdfReadingModes(const Parts &parts);
    ~PdfReadingModes() override;

    QAction *action(Command command) const { return m_actions.value(command); }
    QAction *layoutAction(PdfPageLayout layout) const;
    QMenu *layoutMenu() const { return m_layoutMenu; }
    // The presentation running now, if any.
    PdfPresentationView *presentation() const { return m_presentation; }

    void startPresentation();
    // In full screen the viewer shows its pages alone: the tool bars and side panels go while
    // it lasts, and those that were shown come back as they were.
    void setPagesOnly(bool pagesOnly);
    bool isPagesOnly() const { return m_pagesOnly; }
    // Offers the commands that fit what the tab shows now (call when its page count changes).
    void updateEnabled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Everything of the viewer around its pages: the bars above them and the side panels.
    QList<QWidget *> chrome() const;
    QAction *makeAction(Command command, const QString &text, const QList<QKeySequence> &keys);
    void toggleFullScreen();

    Parts m_parts;
    QHash<Command, QAction *> m_actions;
    QActionGroup *m_layouts = nullptr;
    QMenu *m_layoutMenu = nullptr;
    QPointer<PdfPresentationView> m_presentation;
    bool m_pagesOnly = false;
    QList<QPointer<QWidget>> m_hidden;
};
