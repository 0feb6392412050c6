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

RowLabels rowLabels(QWidget *row, const QString &nameObject, const QString &sizeObject)
{
    RowLabels labels;
    labels.icon = new QLabel(row);
    labels.icon->setPixmap(
        ToolPixmaps::icon(QStringLiteral(":/res/icons/modern/file-pdf.png"), 32));
    labels.name = new QLabel(row);
    labels.name->setObjectName(nameObject);
    labels.name->setFont(KitStyle::font(KitStyle::Regular14, row->font()));
    labels.size = new QLabel(row);
    labels.size->setObjectName(sizeObject);
    labels.size->setFont(KitStyle::font(KitStyle::Regular12, row->font()));
    labels.texts = new QVBoxLayout;
    labels.texts->setContentsMargins(0, 0, 0, 0);
    labels.texts->addStretch();
    labels.texts->addWidget(labels.name);
    labels.texts->addWidget(labels.size);
    labels.texts->addStretch();
    return labels;
}

} // namespace ListFrame
