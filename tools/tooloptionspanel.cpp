#include "tooloptionspanel.h"

#include "iconbutton.h"
#include "kitstyle.h"
#include "moderncombobox.h"
#include "outputlocationchoice.h"
#include "theme.h"
#include "toolpixmaps.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidgetItem>
#include <QRadioButton>
#include <QResizeEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel *heading(const QString &text, int fontCode, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(KitStyle::font(fontCode, parent->font()));
    label->setStyleSheet(KitStyle::plainLabelStyle());
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// The two save choices side by side when both read whole there, else one per line.
class ChoiceRow : public QWidget
{
public:
    explicit ChoiceRow(QWidget *parent)
        : QWidget(parent)
        , m_layout(new QBoxLayout(QBoxLayout::LeftToRight, this))
    {
        m_layout->setContentsMargins(0, 0, 0, 0);
        m_layout->setSpacing(Spacing);
    }

    void addChoice(QAbstractButton *button)
    {
        m_layout->addWidget(button);
        m_buttons.append(button);
    }

    void finish() { m_layout->addStretch(); }

    // One per line is always possible: only the widest choice bounds the width.
    QSize minimumSizeHint() const override
    {
        int width = 0;
        for (const QAbstractButton *button : std::as_const(m_buttons))
            width = qMax(width, button->minimumSizeHint().width());
        return {width, QWidget::minimumSizeHint().height()};
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        int needed = 0;
        for (const QAbstractButton *button : std::as_const(m_buttons))
            needed += button->sizeHint().width();
        needed += Spacing * int(qMax(qsizetype(0), m_buttons.size() - 1));
        const auto direction =
            needed <= event->size().width() ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
        if (m_layout->direction() != direction) {
            m_layout->setDirection(direction);
            m_layout->setSpacing(direction == QBoxLayout::LeftToRight ? Spacing : 8);
        }
        QWidget::resizeEvent(event);
    }

private:
    static constexpr int Spacing = 20;
    QBoxLayout *m_layout;
    QList<QAbstractButton *> m_buttons;
};

} // namespace

ToolOptionsPanel::ToolOptionsPanel(const QString &title, const QString &startText,
                                   Location location, QWidget *parent)
    : QWidget(parent)
{
    setFixedWidth(PanelWidth);

    auto *titleLabel = heading(title, KitStyle::Bold18, this);
    titleLabel->setObjectName(u"optionsTitle"_s);

    m_sections = new QVBoxLayout;
    m_sections->setContentsMargins(15, 15, 15, 15);
    m_sections->setSpacing(0);
    m_sections->addWidget(titleLabel);

    auto *separator = new QLabel(this);
    separator->setFixedHeight(1);
    separator->setStyleSheet(KitStyle::dividerStyle());

    m_locationCombo = new ModernComboBox(this, true);
    m_locationCombo->setObjectName(u"locationComboBox"_s);
    m_locationCombo->setFixedHeight(48);
    m_location = new OutputLocationChoice(m_locationCombo, location == Location::WithSourceFolder);

    m_startButton = new IconButton(startText, this, true);
    m_startButton->setObjectName(u"optionsStartButton"_s);
    m_startButton->setBackgroundColor(Theme::color(Theme::accent));
    m_startButton->setFixedHeight(45);

    auto *bottom = new QVBoxLayout;
    bottom->setContentsMargins(15, 15, 15, 15);
    bottom->setSpacing(0);
    bottom->addWidget(heading(tr("文件位置"), KitStyle::Bold14, this));
    bottom->addSpacing(6);
    bottom->addWidget(m_locationCombo);
    bottom->addSpacing(10);
    bottom->addWidget(m_startButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(m_sections);
    layout->addStretch();
    layout->addWidget(separator);
    layout->addLayout(bottom);
}

void ToolOptionsPanel::fitWidth()
{
    // 320 pixels unless a translated text needs more.
    setFixedWidth(qMax(PanelWidth, layout()->totalMinimumSize().width()));
}

void ToolOptionsPanel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && isVisible())
        fitWidth();
}

void ToolOptionsPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fitWidth();
    // The location and start button are built before the tool's own options, which sit above.
    KitStyle::setVisualTabOrder(this);
}

void ToolOptionsPanel::addSection(const QString &text)
{
    m_sections->addSpacing(10);
    m_sections->addWidget(heading(text, KitStyle::Bold14, this));
    m_sections->addSpacing(6);
}

void ToolOptionsPanel::addControl(QWidget *control)
{
    m_sections->addWidget(control);
}

void ToolOptionsPanel::addSpacing(int pixels)
{
    m_sections->addSpacing(pixels);
}

QLabel *ToolOptionsPanel::addErrorLabel(const QString &objectName)
{
    auto *label = new QLabel(this);
    label->setObjectName(objectName);
    label->setFont(KitStyle::font(KitStyle::Regular12, font()));
    label->setStyleSheet(KitStyle::colouredLabelStyle(QString(Theme::errorText)));
    label->hide();
    m_sections->addWidget(label);
    return label;
}

ModernComboBox *ToolOptionsPanel::addOptionCombo(const QString &objectName,
                                                 const QList<OptionEntry> &entries)
{
    auto *combo = new ModernComboBox(this);
    combo->setObjectName(objectName);
    combo->setFixedHeight(48);
    const QIcon icon(ToolPixmaps::icon(u":/res/icons/modern/file-image.png"_s, 24));
    for (const OptionEntry &entry : entries) {
        combo->addItem(entry.text, icon);
        combo->lastAddedItem()->setData(OptionValueRole, entry.value);
    }
    combo->setCurrentItem(0);
    m_sections->addWidget(combo);
    return combo;
}

int ToolOptionsPanel::optionValue(const ModernComboBox *combo)
{
    const QListWidgetItem *item = combo->currentListItem();
    return item ? item->data(OptionValueRole).toInt() : 0;
}

void ToolOptionsPanel::addSaveOptions()
{
    addSection(tr("保存选项"));
    auto *box = new ChoiceRow(this);
    m_replaceOriginal = new QRadioButton(tr("替换原始文件"), box);
    m_replaceOriginal->setObjectName(u"replaceOriginalRadio"_s);
    m_keepOriginal = new QRadioButton(tr("保留原始文件"), box);
    m_keepOriginal->setObjectName(u"keepOriginalRadio"_s);
    auto *group = new QButtonGroup(box);
    for (QRadioButton *radio : {m_replaceOriginal, m_keepOriginal}) {
        radio->setFont(KitStyle::font(KitStyle::Regular14, font()));
        radio->setStyleSheet(KitStyle::radioStyle());
        radio->setCursor(Qt::PointingHandCursor);
        group->addButton(radio);
    }
    m_keepOriginal->setChecked(true);
    box->addChoice(m_replaceOriginal);
    box->addChoice(m_keepOriginal);
    box->finish();
    m_sections->addWidget(box);
}

SaveMode ToolOptionsPanel::saveMode() const
{
    return m_replaceOriginal && m_replaceOriginal->isChecked() ? SaveMode::ReplaceSource
                                                               : SaveMode::NewFile;
}
