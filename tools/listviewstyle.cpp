#include "listviewstyle.h"

#include "theme.h"

#include <QListWidget>

using namespace Qt::StringLiterals;

namespace ListViewStyle {

void apply(QListWidget *list, const QString &rowRules)
{
    list->setFrameShape(QFrame::NoFrame);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setSpacing(0);
    list->setUniformItemSizes(true);
    list->setStyleSheet(
        u"QListWidget{background:%1;border:none;outline:none;}"
        u"QListWidget::item{background:%1;border-bottom:1px solid %2;padding:0px;"
        u"margin-left:15px;margin-right:15px;}"
        u"QListWidget::item:hover{background:%3;}"
        u"QListWidget::item:selected{background:%4;color:%5;}"
        u"QScrollBar:vertical{width:8px;border:none;background:transparent;}"
        u"QScrollBar::handle:vertical{background:%6;border-radius:4px;min-height:30px;}"
        u"QScrollBar::handle:vertical:hover{background:%7;}"
        u"QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
        u"QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:transparent;}"_s
            .arg(Theme::surface, Theme::listRowBorder, Theme::listRowHover, Theme::kitSelected,
                 Theme::listSelectedText, Theme::scrollHandle, Theme::scrollHandleHover) +
        rowRules);
}

} // namespace ListViewStyle
