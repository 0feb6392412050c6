#include "pdfpagenumberdialog.h"

#include "kitstyle.h"

#include "dialogseam.h"
#include "moderncombobox.h"
#include "theme.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Entries in the order of PdfStampPosition.
constexpr int PositionCount = 6;

QString cardStyle()
{
    return uR"(
QFrame#pageNumberCard { background: %1; border: 1px solid %2; border-radius: 18px; }
QFrame#pageNumberAccent { background: %3; border: none; border-radius: 2px; }
QLabel#pageNumberTitle { color: %4; background: transparent; font-size: 24px; font-weight: 600; }
QLabel[role="field"] { color: %5; background: transparent; font-size: 14px; }
QSpinBox { color: %5; background: %1; border: 1px solid %6; border-radius: 8px;
           min-height: 36px; padding: 0 10px; font-size: 14px; }
QSpinBox:focus { border-color: %3; }
QPushButton { padding: 0 20px; border-radius: 21px; font-size: 15px; font-weight: 600; }
QPushButton#pageNumberCancelButton { color: %5; background: %1; border: 1px solid %6; }
QPushButton#pageNumberCancelButton:hover { background: %7; }
QPushButton#pageNumberConfirmButton { color: %1; background: %3; border: 1px solid %3; }
QPushButton#pageNumberConfirmButton:hover { background: %8; border-color: %8; }
)"_s.arg(Theme::surface, Theme::cardBorder, Theme::accent, Theme::cardTitle, Theme::cardText,
         Theme::cancelBorder, Theme::cancelHover, Theme::accentHover);
}

QLabel *fieldLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setProperty("role", u"field"_s);
    return label;
}

} // namespace

PdfPageNumberDialog::PdfPageNumberDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(u"pdfPageNumberDialog"_s);
    setModal(true);
    setMinimumWidth(520);

    const KitStyle::CardDialog frame =
        KitStyle::makeCardDialog(this, u"pageNumberCard"_s, cardStyle(), u"pageNumberAccent"_s);
    QFrame *card = frame.card;
    QVBoxLayout *layout = frame.content;
    KitStyle::addCardTitle(frame, tr("添加页码"), u"pageNumberTitle"_s);
    QGridLayout *grid = KitStyle::cardGrid();

    m_position = new ModernComboBox(card);
    m_position->setObjectName(u"pageNumberPosition"_s);
    const QString positions[PositionCount] = {tr("底部居中"), tr("底部右侧"), tr("底部左侧"),
                                              tr("顶部居中"), tr("顶部右侧"), tr("顶部左侧")};
    for (const QString &text : positions)
        m_position->addItem(text);
    m_position->setCurrentItem(0);

    m_format = new ModernComboBox(card);
    m_format->setObjectName(u"pageNumberFormat"_s);
    m_format->addItem(tr("页码（1, 2, 3…）"));
    m_format->addItem(tr("页码 / 总页数（1 / 12）"));
    m_format->setCurrentItem(0);

    m_firstNumber = new QSpinBox(card);
    m_firstNumber->setObjectName(u"pageNumberFirst"_s);
    m_firstNumber->setRange(0, 99999);
    m_firstNumber->setValue(1);

    m_fontSize = new QSpinBox(card);
    m_fontSize->setObjectName(u"pageNumberFontSize"_s);
    m_fontSize->setRange(6, 36);
    m_fontSize->setValue(10);
    m_fontSize->setSuffix(tr(" 磅"));
    for (QSpinBox *box : {m_firstNumber, m_fontSize})
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);

    grid->addWidget(fieldLabel(tr("位置"), card), 0, 0);
    grid->addWidget(m_position, 0, 1);
    grid->addWidget(fieldLabel(tr("格式"), card), 1, 0);
    grid->addWidget(m_format, 1, 1);
    grid->addWidget(fieldLabel(tr("起始页码"), card), 2, 0);
    grid->addWidget(m_firstNumber, 2, 1);
    grid->addWidget(fieldLabel(tr("字号"), card), 3, 0);
    grid->addWidget(m_fontSize, 3, 1);
    layout->addLayout(grid);
    layout->addSpacing(28);

    KitStyle::addCardButtons(this, frame, u"pageNumber"_s, tr("取消"), tr("添加"));
    adjustSize();
}

PdfPageNumbering PdfPageNumberDialog::numbering() const
{
    PdfPageNumbering result;
    result.enabled = true;
    result.position =
        PdfStampPosition(std::clamp(m_position->currentIndex(), 0, PositionCount - 1));
    result.format = m_format->currentIndex() == 1 ? PdfPageNumbering::Format::NumberOfTotal
                                                  : PdfPageNumbering::Format::Number;
    result.firstNumber = m_firstNumber->value();
    result.fontSize = m_fontSize->value();
    return result;
}

void PdfPageNumberDialog::setNumbering(const PdfPageNumbering &numbering)
{
    m_position->setCurrentItem(std::clamp(int(numbering.position), 0, PositionCount - 1));
    m_format->setCurrentItem(numbering.format == PdfPageNumbering::Format::NumberOfTotal ? 1 : 0);
    m_firstNumber->setValue(numbering.firstNumber);
    m_fontSize->setValue(qRound(numbering.fontSize));
}

std::optional<PdfPageNumbering> PdfPageNumberDialog::ask(QWidget *parent,
                                                         const PdfPageNumbering &initial)
{
    if (DialogSeam::isScripted())
        return std::nullopt;
    PdfPageNumberDialog dialog(parent);
    if (initial.enabled)
        dialog.setNumbering(initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.numbering();
}

void PdfPageNumberDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QWidget *window = parentWidget() ? parentWidget()->window() : nullptr)
        move(window->frameGeometry().center() - rect().center());
}
