#include "pdfconvertoptionspanel.h"

#include "moderncombobox.h"
#include "moreoption.h"

#include <QCheckBox>

using namespace Qt::StringLiterals;

PdfConvertOptionsPanel::PdfConvertOptionsPanel(QWidget *parent)
    : BatchOptionsPanel(tr("PDF 转为图像"), tr("转换"), Location::WithSourceFolder, parent)
{
    setObjectName(u"pdfConvertOptionsPanel"_s);

    addSection(tr("选择图像格式"));
    m_format = addOptionCombo(u"formatComboBox"_s, {{tr("JPG"), int(ImageFormat::Jpeg)},
                                                    {tr("PNG"), int(ImageFormat::Png)}});

    addSection(tr("更多选项"));
    m_separateImages = new MoreOption(this);
    m_separateImages->setObjectName(u"separateImagesOption"_s);
    m_separateImages->setText(tr("提取单个图像"));
    m_separateImages->setDescription(tr("PDF 中的每张图像都将保存为单张图像"));
    m_separateImages->setMinimumHeight(80);
    addControl(m_separateImages);
}

QVariantMap PdfConvertOptionsPanel::options() const
{
    return {
        {TaskOption::ImageFormat, optionValue(m_format)},
        {TaskOption::SaveAsSeparateFiles, m_separateImages->checkBox()->isChecked()},
    };
}
