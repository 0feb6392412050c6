#include "moderncombobox.h"

#include "combopopup.h"
#include "dialogseam.h"
#include "kitstyle.h"
#include "theme.h"

#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

ModernComboBox::ModernComboBox(QWidget *parent, bool popupAbove)
    : QPushButton(parent)
    , m_popupAbove(popupAbove)
{
    setFixedHeight(42);
    setCursor(Qt::PointingHandCursor);
    setFont(KitStyle::font(KitStyle::Regular14, font()));
    m_arrow = QIcon(u":/res/icons/modern/down.png"_s).pixmap(24, 24);
    m_popup = new ComboPopup(this);
    connect(m_popup->listWidget(), &QListWidget::itemClicked, this, &ModernComboBox::onItemClicked);
    connect(m_popup, &ComboPopup::itemChosen, this, &ModernComboBox::onItemClicked);
}

void ModernComboBox::addItem(const QString &text, const QIcon &icon, bool folderChoice)
{
    m_items.append({text, icon});
    auto *item = new QListWidgetItem(icon, text);
    item->setData(IconRole, icon);
    item->setData(TextRole, text);
    if (folderChoice)
        item->setData(ModeRole, FolderChoiceMode);
    m_popup->listWidget()->addItem(item);
    m_lastAdded = item;
    if (folderChoice)
        m_folderChoiceItem = item;
}

void ModernComboBox::setCurrentItem(int index)
{
    QListWidgetItem *it = item(index);
    if (!it)
        return;
    m_currentIndex = index;
    m_currentItem = it;
    update();
}

QString ModernComboBox::currentText() const
{
    return m_currentItem ? m_currentItem->data(TextRole).toString() : QString();
}

QListWidgetItem *ModernComboBox::item(int index) const
{
    return m_popup->listWidget()->item(index);
}

void ModernComboBox::onItemClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    const int row = m_popup->listWidget()->row(item);
    m_currentIndex = row;
    m_currentItem = item;
    m_popup->hide();
    update();
    if (item->data(ModeRole).toInt() == FolderChoiceMode) {
        const QString folder =
            DialogSeam::getExistingDirectory(this, tr("选择文件夹"), QDir::homePath());
        if (!folder.isEmpty()) {
            item->setData(TextRole, folder);
            update();
        }
    } else if (m_folderChoiceItem) {
        m_folderChoiceItem->setData(TextRole, tr("选择位置..."));
    }
    Q_EMIT currentIndexChanged(row);
}

void ModernComboBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p.setPen(Theme::color(Theme::border));
    p.setBrush(Theme::color(m_hovered ? Theme::windowBackground : Theme::surface));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    if (!m_currentItem)
        return;
    const QIcon icon = m_currentItem->data(IconRole).value<QIcon>();
    if (!icon.isNull())
        icon.paint(&p, QRect(12, 12, 24, 24));
    p.setPen(Theme::color(Theme::textPrimary));
    p.setFont(font());
    const QRect textRect(42, 0, width() - 60, height());
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
               fontMetrics().elidedText(currentText(), Qt::ElideMiddle, textRect.width() - 28));
    const QSize arrow = m_arrow.deviceIndependentSize().toSize();
    p.drawPixmap(width() - 45, (height() - arrow.height()) / 2, m_arrow);
    if (hasFocus())
        KitStyle::paintFocusRing(p, rect(), 5);
}

void ModernComboBox::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QPushButton::enterEvent(event);
}

void ModernComboBox::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QPushButton::leaveEvent(event);
}

void ModernComboBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    togglePopup();
}

void ModernComboBox::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool alt = event->modifiers() & Qt::AltModifier;
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter ||
        key == Qt::Key_F4 || key == Qt::Key_Up || key == Qt::Key_Down ||
        (alt && key == Qt::Key_Down)) {
        if (!m_popup->isVisible())
            togglePopup();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void ModernComboBox::togglePopup()
{
    if (m_items.isEmpty())
        return;
    if (m_popup->isVisible()) {
        m_popup->hide();
        return;
    }
    m_popup->setFixedWidth(width());
    const QPoint anchor = m_popupAbove ? QPoint(0, -215) : QPoint(0, height() + 8);
    m_popup->move(mapToGlobal(anchor));
    QListWidget *list = m_popup->listWidget();
    list->setCurrentRow(qMax(0, m_currentIndex));
    m_popup->show();
    list->setFocus(Qt::PopupFocusReason);
}
