#include "pdfmergeoptionspanel.h"

#include "moreoption.h"

#include <QCheckBox>

using namespace Qt::StringLiterals;

PdfMergeOptionsPanel::PdfMergeOptionsPanel(QWidget *parent)
    : BatchOptionsPanel(tr("合并PDF"), tr("合并"), Location::WithoutSourceFolder, parent)
{
    setObjectName(u"pdfMergeOptionsPanel"_s);

    addSection(tr("插入"));
    m_blank = new MoreOption(this);
    m_blank->setObjectName(u"blankPagesOption"_s);
    m_blank->setText(tr("空白"));
    m_blank->setDescription(tr("在合并之前，你可以在文件之间插入空白页"));
    m_blank->setMinimumHeight(80);
    addControl(m_blank);
}

QVariantMap PdfMergeOptionsPanel::options() const
{
    return {{TaskOption::InsertBlankPages, m_blank->checkBox()->isChecked()}};
}
