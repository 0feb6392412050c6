#include "pdftoofficeoptionspanel.h"

#include "toolpixmaps.h"
#include "typebutton.h"

#include <QButtonGroup>

using namespace Qt::StringLiterals;

PdfToOfficeOptionsPanel::PdfToOfficeOptionsPanel(QWidget *parent)
    : BatchOptionsPanel(tr("PDF转为Office"), tr("转换"), Location::WithSourceFolder, parent)
{
    setObjectName(u"pdfToOfficeOptionsPanel"_s);
    addSection(tr("选择转换类型"));
    auto *group = new QButtonGroup(this);
    const auto make = [&](const QString &objectName, const QString &text, const QString &icon) {
        auto *button = new TypeButton(this);
        button->setObjectName(objectName);
        button->setText(text);
        button->setPixmap(ToolPixmaps::icon(icon, 24));
        button->setFixedHeight(45);
        group->addButton(button);
        return button;
    };
    m_word = make(u"wordTypeButton"_s, tr("Word"), u":/res/icons/modern/file-word.png"_s);
    m_excel = make(u"excelTypeButton"_s, tr("Excel"), u":/res/icons/modern/file-excel.png"_s);
    m_powerPoint =
        make(u"powerPointTypeButton"_s, tr("PowerPoint"), u":/res/icons/modern/file-ppt.png"_s);
    m_word->setChecked(true);
    addControl(m_word);
    addSpacing(10);
    addControl(m_excel);
    addSpacing(10);
    addControl(m_powerPoint);
}

OfficeFormat PdfToOfficeOptionsPanel::format() const
{
    if (m_excel->isChecked())
        return OfficeFormat::Excel;
    if (m_powerPoint->isChecked())
        return OfficeFormat::PowerPoint;
    return OfficeFormat::Word;
}

QVariantMap PdfToOfficeOptionsPanel::options() const
{
    return {{TaskOption::OfficeFormat, int(format())}};
}
