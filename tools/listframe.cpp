#include "listframe.h"

#include "iconbutton.h"
#include "kitstyle.h"
#include "theme.h"
#include "toolpixmaps.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace ListFrame {

IconButton *plainButton(const QString &text, const QString &iconPath, QWidget *parent)
{
    auto *button = new IconButton(text, parent);
    button->setBackgroundColor(Theme::color(Theme::surface));
    button->setHoverColor(Theme::color(Theme::lightSurface));
    button->setBorderColor(Theme::color(Theme::border));
    button->setTextColor(Theme::color(Theme::textSecondary));
    button->setPixmap(ToolPixmaps::icon(iconPath, 16));
    return button;
}

void arrange(QWidget *owner, QHBoxLayout *top, QListWidget *list)
{
    auto *divider = new QLabel(owner);
    divider->setFixedHeight(1);
    divider->setStyleSheet(KitStyle::dividerStyle());

    top->setContentsMargins(15, 0, 15, 0);
    auto *layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 10, 0, 10);
    layout->setSpacing(0);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addWidget(divider);
    layout->addWidget(list);
}

} // namespace ListFrame
