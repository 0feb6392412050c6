#include "searchbarwidget.h"

#include "theme.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>

using namespace Qt::StringLiterals;

SearchBarWidget::SearchBarWidget(QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(u"searchBar"_s);
    setPlaceholderText(tr("搜索文件"));
    setStyleSheet(uR"(
QLineEdit { border: 1px solid %1; border-radius: 8px; padding-left: 38px; font-size: 14px; color: %2; background: %3; }
QLineEdit:hover { border-color: %4; }
QLineEdit:focus { border-color: %5; background: %3; }
)"_s.arg(Theme::searchBorder, Theme::searchText, Theme::surface, Theme::searchHoverBorder,
         Theme::searchFocusBorder));

    auto *icon = new QLabel(this);
    icon->setObjectName(u"searchIcon"_s);
    icon->setStyleSheet(u"QLabel{background:transparent;}"_s);
    icon->setPixmap(QIcon(u":/res/icons/modern/search.png"_s).pixmap(18, 18));
    icon->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 0, 0, 0);
    layout->addWidget(icon, 0, Qt::AlignVCenter);
    layout->addStretch();
}
