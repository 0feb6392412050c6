#include "pdfpagetonemenu.h"

#include "pdfdocumentview.h"
#include "pdftoptoolbar.h"
#include "roundedpopupmenu.h"

#include <QActionGroup>
#include <QMenu>

using namespace Qt::StringLiterals;

PdfPageToneMenu *PdfPageToneMenu::install(PdfTopToolBar *toolBar, PdfDocumentView *view)
{
    return new PdfPageToneMenu(toolBar, view);
}

PdfPageToneMenu::PdfPageToneMenu(PdfTopToolBar *toolBar, PdfDocumentView *view)
    : QObject(view)
{
    setObjectName(u"pdfPageToneMenu"_s);
    QMenu *more = toolBar->moreMenu();
    m_menu = new RoundedPopupMenu(more);
    m_menu->setObjectName(u"pdfPageToneMenu"_s);
    m_menu->setTitle(tr("页面颜色"));

    auto *group = new QActionGroup(m_menu);
    group->setExclusive(true);
    const std::pair<PdfPageTone, QString> choices[] = {
        {PdfPageTone::Normal, tr("正常")},
        {PdfPageTone::Inverted, tr("反色（夜间）")},
        {PdfPageTone::Sepia, tr("棕褐色")},
    };
    static const char *const names[] = {"pageToneNormal", "pageToneInverted", "pageToneSepia"};
    for (const auto &[tone, text] : choices) {
        QAction *action = m_menu->addAction(text);
        action->setObjectName(QLatin1StringView(names[int(tone)]));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [tone] { PageToneSetting::instance().setTone(tone); });
        m_actions.append(action);
    }
    more->addSeparator();
    more->addMenu(m_menu);

    PageToneSetting &setting = PageToneSetting::instance();
    connect(&setting, &PageToneSetting::toneChanged, view, &PdfDocumentView::setPageTone);
    connect(&setting, &PageToneSetting::toneChanged, this, &PdfPageToneMenu::showTone);
    view->setPageTone(setting.tone());
    showTone(setting.tone());
}

QAction *PdfPageToneMenu::action(PdfPageTone tone) const
{
    return m_actions.value(int(tone));
}

void PdfPageToneMenu::showTone(PdfPageTone tone)
{
    if (QAction *chosen = action(tone))
        chosen->setChecked(true);
}
