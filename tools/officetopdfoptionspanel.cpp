#include "officetopdfoptionspanel.h"

#include "inkwell.h"
#include "kitstyle.h"

#include <QLabel>

using namespace Qt::StringLiterals;

OfficeToPdfOptionsPanel::OfficeToPdfOptionsPanel(QWidget *parent)
    : BatchOptionsPanel(tr("Office转为PDF"), tr("转换"), Location::WithSourceFolder, parent)
{
    setObjectName(u"officeToPdfOptionsPanel"_s);
    addSpacing(10);
    auto *description = new QLabel(tr("将 Word、PowerPoint 和 Excel 文件转换为 PDF"), this);
    description->setObjectName(u"officeDescription"_s);
    description->setWordWrap(true);
    description->setFont(KitStyle::font(KitStyle::Regular16, font()));
    description->setStyleSheet(KitStyle::plainLabelStyle());
    addControl(description);

    addSpacing(10);
    m_missingOffice = addErrorLabel(u"missingOfficeNote"_s);
    m_missingOffice->setWordWrap(true);
    m_missingOffice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    updateOfficeNote();
}

QString OfficeToPdfOptionsPanel::startBlocker() const
{
    return m_officeFound ? QString() : tr("未找到 LibreOffice");
}

QVariantMap OfficeToPdfOptionsPanel::options() const
{
    return {};
}

void OfficeToPdfOptionsPanel::showEvent(QShowEvent *event)
{
    updateOfficeNote();
    BatchOptionsPanel::showEvent(event);
}

void OfficeToPdfOptionsPanel::updateOfficeNote()
{
    m_officeFound = !Inkwell::officeProgram().isEmpty();
#ifdef Q_OS_WIN
    const QString how = tr("请从 libreoffice.org 下载并安装 LibreOffice。");
#else
    const QString how = tr("安装方法：sudo apt install libreoffice-writer-nogui "
                           "libreoffice-calc-nogui libreoffice-impress-nogui");
#endif
    m_missingOffice->setText(tr("未找到 LibreOffice，无法转换 Office 文件。") + u'\n' + how);
    m_missingOffice->setVisible(!m_officeFound);
    updateStartButton();
}
