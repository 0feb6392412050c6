#include "imagetopdfoptionspanel.h"

#include "moderncombobox.h"
#include "moreoption.h"
#include "selectbutton.h"

#include <QCheckBox>
#include <QHBoxLayout>

using namespace Qt::StringLiterals;

ImageToPdfOptionsPanel::ImageToPdfOptionsPanel(QWidget *parent)
    : BatchOptionsPanel(tr("图像转PDF"), tr("转换"), Location::WithSourceFolder, parent)
{
    setObjectName(u"imageToPdfOptionsPanel"_s);

    addSection(tr("页面大小"));
    m_pageSize = addOptionCombo(u"pageSizeComboBox"_s, {{tr("A4"), int(PageSize::A4)},
                                                        {tr("Letter(US)"), int(PageSize::Letter)}});

    addSection(tr("页边距选项"));
    m_pageMargin = addOptionCombo(u"pageMarginComboBox"_s, {{tr("无"), int(PageMargin::None)},
                                                            {tr("窄"), int(PageMargin::Narrow)},
                                                            {tr("宽"), int(PageMargin::Wide)}});

    addSection(tr("页面方向"));
    auto *orientation = new QWidget(this);
    m_portrait = new SelectButton(orientation);
    m_portrait->setObjectName(u"portraitButton"_s);
    m_portrait->setText(tr("纵向"));
    m_landscape = new SelectButton(orientation);
    m_landscape->setObjectName(u"landscapeButton"_s);
    m_landscape->setText(tr("横向"));
    auto *row = new QHBoxLayout(orientation);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    for (SelectButton *button : {m_portrait, m_landscape}) {
        button->setFixedHeight(45);
        row->addWidget(button);
    }
    m_portrait->setSelected(true);
    connect(m_portrait, &SelectButton::sigSelected, this,
            [this] { m_landscape->setSelected(false); });
    connect(m_landscape, &SelectButton::sigSelected, this,
            [this] { m_portrait->setSelected(false); });
    addControl(orientation);

    addSection(tr("更多选项"));
    m_singlePdf = new MoreOption(this);
    m_singlePdf->setObjectName(u"singlePdfOption"_s);
    m_singlePdf->setText(tr("转换为单个PDF"));
    m_singlePdf->setDescription(tr("每张图像都将保存为单个PDF"));
    m_singlePdf->setMinimumHeight(80);
    addControl(m_singlePdf);
}

QVariantMap ImageToPdfOptionsPanel::options() const
{
    return {
        {TaskOption::PageSize, optionValue(m_pageSize)},
        {TaskOption::PageMargin, optionValue(m_pageMargin)},
        {TaskOption::SinglePdf, m_singlePdf->checkBox()->isChecked()},
        {TaskOption::PageOrientation,
         int(m_portrait->isSelected() ? PageOrientation::Portrait : PageOrientation::Landscape)},
    };
}
