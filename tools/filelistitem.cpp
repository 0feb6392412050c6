#include "filelistitem.h"

#include "filesizetext.h"
#include "kitstyle.h"
#include "listframe.h"
#include "theme.h"
#include "toolpixmaps.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QString FileListItem::styleRules()
{
    return uR"(
FileListItem {
    background: transparent;
    border: 1px solid transparent;
    border-radius: 6px;
}

FileListItem[dragging="true"] {
    background: %1;
    border-color: %2;
}

FileListItem QPushButton {
    border: none;
    background: transparent;
    border-radius: 4px;
}

FileListItem QPushButton:hover {
    background: %3;
}

FileListItem QLabel { background-color: transparent; color: %4; }
FileListItem QLabel#fileListItemHandle { color: %5; background: transparent; }
)"_s.arg(Theme::accentSoft, Theme::dragRowBorder, Theme::rowButtonHover, Theme::kitText,
         Theme::textMuted);
}

FileListItem::FileListItem(const QString &filePath, QWidget *parent)
    : QWidget(parent)
    , m_filePath(filePath)
{
    setAttribute(Qt::WA_StyledBackground);
    setCursor(Qt::OpenHandCursor);

    m_handleLabel = new QLabel(QString(QChar(0x283F)), this);
    m_handleLabel->setObjectName(u"fileListItemHandle"_s);
    m_handleLabel->setFixedWidth(14);
    m_handleLabel->setAlignment(Qt::AlignCenter);
    m_handleLabel->setToolTip(tr("拖动排序"));

    const ListFrame::RowLabels labels =
        ListFrame::rowLabels(this, u"fileListItemName"_s, u"fileListItemSize"_s);
    m_iconLabel = labels.icon;
    m_iconLabel->setObjectName(u"fileListItemIcon"_s);
    m_iconLabel->setPixmap(ToolPixmaps::icon(ListFrame::fileIcon(filePath), 32));
    m_nameLabel = labels.name;
    m_nameLabel->setText(QFileInfo(filePath).fileName());
    m_sizeLabel = labels.size;
    m_sizeLabel->setText(FileSizeText::ofFile(filePath));

    // Presses on the labels belong to the row, so a row can be dragged by its text.
    for (QLabel *label : {m_handleLabel, m_iconLabel, m_nameLabel, m_sizeLabel})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_closeButton = new QPushButton(this);
    m_closeButton->setObjectName(u"fileListItemClose"_s);
    m_closeButton->setFixedSize(28, 28);
    m_closeButton->setIcon(ToolPixmaps::icon(u":/res/icons/modern/close.png"_s, 24));
    m_closeButton->setIconSize(QSize(24, 24));
    m_closeButton->setCursor(Qt::PointingHandCursor);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(15, 0, 15, 0);
    layout->setAlignment(Qt::AlignVCenter);
    layout->addWidget(m_handleLabel, 0, Qt::AlignVCenter);
    layout->addSpacing(8);
    layout->addWidget(m_iconLabel, 0, Qt::AlignVCenter);
    layout->addSpacing(15);
    layout->addLayout(labels.texts);
    layout->addStretch();
    layout->addWidget(m_closeButton, 0, Qt::AlignVCenter);

    connect(m_closeButton, &QPushButton::clicked, this, &FileListItem::close);
}

void FileListItem::setDragging(bool dragging)
{
    if (m_dragging == dragging)
        return;
    m_dragging = dragging;
    setProperty("dragging", dragging);
    setCursor(dragging ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
    style()->unpolish(this);
    style()->polish(this);
    update();
}

void FileListItem::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        m_pressPosition = event->position().toPoint();
    }
    QWidget::mousePressEvent(event);
}

void FileListItem::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed || !(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    if (!m_dragging) {
        const QPoint travelled = event->position().toPoint() - m_pressPosition;
        if (travelled.manhattanLength() < QApplication::startDragDistance())
            return;
        setDragging(true);
        Q_EMIT dragStarted();
    }
    Q_EMIT dragMoved(event->globalPosition().toPoint());
}

void FileListItem::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        if (m_dragging) {
            Q_EMIT dragFinished();
            setDragging(false);
        }
    }
    QWidget::mouseReleaseEvent(event);
}
