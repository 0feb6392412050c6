#include "listframe.h"

#include "iconbutton.h"
#include "kitstyle.h"
#include "theme.h"
#include "toolpixmaps.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

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

QString fileIcon(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    static const QStringList word{u"doc"_s, u"docx"_s, u"docm"_s, u"odt"_s, u"rtf"_s, u"txt"_s};
    static const QStringList sheet{u"xls"_s, u"xlsx"_s, u"xlsm"_s, u"ods"_s, u"csv"_s};
    static const QStringList slides{u"ppt"_s, u"pptx"_s, u"pptm"_s, u"odp"_s};
    if (suffix == u"pdf"_s)
        return u":/res/icons/modern/file-pdf.png"_s;
    if (word.contains(suffix))
        return u":/res/icons/modern/file-word.png"_s;
    if (sheet.contains(suffix))
        return u":/res/icons/modern/file-excel.png"_s;
    if (slides.contains(suffix))
        return u":/res/icons/modern/file-ppt.png"_s;
    return u":/res/icons/modern/file-image.png"_s;
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
