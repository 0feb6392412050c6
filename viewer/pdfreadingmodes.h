#pragma once

#include "pdfdocumentview.h"
#include "pdfpresentationview.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class PdfViewerWidget;
class QAction;
class QActionGroup;
class QMenu;

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

    explicit PdfReadingModes(PdfViewerWidget *viewer);
    ~PdfReadingModes() override;

    QAction *action(Command command) const { return m_actions.value(command); }
    QAction *layoutAction(PdfPageLayout layout) const;
    QMenu *layoutMenu() const { return m_layoutMenu; }
    // The presentation running now, if any.
    PdfPresentationView *presentation() const { return m_presentation; }

    void startPresentation();

private:
    QAction *makeAction(Command command, const QString &text, const QList<QKeySequence> &keys);
    void toggleFullScreen();
    void updateEnabled();

    PdfViewerWidget *m_viewer = nullptr;
    QHash<Command, QAction *> m_actions;
    QActionGroup *m_layouts = nullptr;
    QMenu *m_layoutMenu = nullptr;
    QPointer<PdfPresentationView> m_presentation;
};
