#pragma once

#include "pagetone.h"

#include <QObject>

class PdfDocumentView;
class PdfTopToolBar;
class QAction;
class QMenu;

// The "页面颜色" entry of the viewer's more menu: normal, inverted or sepia pages, one choice
// for every reading view, remembered between runs.
class PdfPageToneMenu : public QObject
{
    Q_OBJECT

public:
    // Adds the entry to the bar's more menu and keeps the view in the chosen tone.
    static PdfPageToneMenu *install(PdfTopToolBar *toolBar, PdfDocumentView *view);

    QMenu *menu() const { return m_menu; }
    QAction *action(PdfPageTone tone) const;

private:
    PdfPageToneMenu(PdfTopToolBar *toolBar, PdfDocumentView *view);
    void showTone(PdfPageTone tone);

    QMenu *m_menu = nullptr;
    QList<QAction *> m_actions; // by tone
};
