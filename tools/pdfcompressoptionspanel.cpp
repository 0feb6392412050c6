#include "pdfcompressoptionspanel.h"

#include "cardradiobutton.h"

#include <QButtonGroup>
#include <QRadioButton>

using namespace Qt::StringLiterals;

PdfCompressOptionsPanel::PdfCompressOptionsPanel(QWidget *parent)
    : BatchOptionsPanel(tr("压缩PDF"), tr("压缩"), Location::WithSourceFolder, parent)
{
    setObjectName(u"pdfCompressOptionsPanel"_s);

    addSection(tr("选择压缩等级"));
    m_basic = new CardRadioButton(tr("基本"), tr("文件尺寸适中，质量最"), this);
    m_basic->setObjectName(u"basicLevelCard"_s);
    m_strong = new CardRadioButton(tr("强"), tr("文件最小，质量"), this);
    m_strong->setObjectName(u"strongLevelCard"_s);
    // Radio buttons of one parent would also exclude the save options; the group keeps the
    // two cards a pair of their own.
    auto *group = new QButtonGroup(this);
    group->addButton(m_basic->radioButton());
    group->addButton(m_strong->radioButton());
    m_basic->setChecked(true);
    addControl(m_basic);
    addSpacing(10);
    addControl(m_strong);

    addSaveOptions();
}

QVariantMap PdfCompressOptionsPanel::options() const
{
    return {
        {TaskOption::CompressLevel,
         int(m_basic->isChecked() ? CompressLevel::Basic : CompressLevel::Strong)},
        {TaskOption::SaveOption, int(saveMode())},
    };
}
