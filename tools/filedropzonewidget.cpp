#include "filedropzonewidget.h"

#include "dialogseam.h"
#include "iconbutton.h"
#include "kitstyle.h"
#include "theme.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

FileDropZoneWidget::FileDropZoneWidget(QWidget *parent)
    : QWidget(parent)
    , m_filter(tr("PDF 文件 (*.pdf)"))
    , m_caption(tr("选择 PDF"))
{
    setObjectName(u"fileDropZone"_s);
    setAcceptDrops(true);
    setMinimumSize(700, 600);
    setStyleSheet(u"background: %1;"_s.arg(Theme::surface));

    m_iconLabel = new QLabel(this);
    m_iconLabel->setPixmap(QIcon(u":/res/icons/modern/pdf.png"_s).pixmap(128, 128));
    m_iconLabel->setAlignment(Qt::AlignCenter);
    m_iconLabel->setStyleSheet(u"QLabel{background-color:transparent;}"_s);

    m_promptLabel = new QLabel(tr("从你的桌面上添加或拖放PDF文件，开始转换。"), this);
    m_promptLabel->setObjectName(u"dropZonePrompt"_s);
    m_promptLabel->setWordWrap(true);
    m_promptLabel->setAlignment(Qt::AlignCenter);
    m_promptLabel->setFont(KitStyle::font(KitStyle::Regular16, font()));
    m_promptLabel->setStyleSheet(KitStyle::plainLabelStyle());
    // Clear of the dashed frame even where a long line fills the width.
    m_promptLabel->setContentsMargins(24, 0, 24, 0);

    m_addButton = new IconButton(tr("添加文件"), this);
    m_addButton->setObjectName(u"dropZoneAddButton"_s);
    m_addButton->setPixmap(QIcon(u":/res/icons/modern/addfile.png"_s).pixmap(28, 28));
    m_addButton->setMinimumWidth(120);
    m_addButton->setFixedHeight(40);
    m_addButton->setBackgroundColor(Theme::color(Theme::accent));
    m_addButton->setHoverColor(Theme::color(Theme::accentHover));

    auto *layout = new QVBoxLayout(this);
    // Inside the dashed frame, which is inset by 40 pixels.
    layout->setContentsMargins(60, 60, 60, 60);
    layout->setSpacing(20);
    layout->addStretch();
    layout->addWidget(m_iconLabel, 0, Qt::AlignCenter);
    // Full width, so the prompt wraps only where the zone is really too narrow for it.
    layout->addWidget(m_promptLabel);
    layout->addWidget(m_addButton, 0, Qt::AlignCenter);
    layout->addStretch();

    connect(m_addButton, &QPushButton::clicked, this, &FileDropZoneWidget::chooseFile);
}

void FileDropZoneWidget::setPromptText(const QString &text)
{
    m_promptLabel->setText(text);
}

QString FileDropZoneWidget::promptText() const
{
    return m_promptLabel->text();
}

void FileDropZoneWidget::chooseFile()
{
    const QStringList files = DialogSeam::getOpenFileNames(this, m_caption, QString(), m_filter);
    if (!files.isEmpty())
        Q_EMIT fileSelected(files);
}

void FileDropZoneWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void FileDropZoneWidget::dropEvent(QDropEvent *event)
{
    QStringList files;
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl &url : urls)
        files.append(url.toLocalFile());
    if (!urls.isEmpty()) {
        event->acceptProposedAction();
        Q_EMIT fileSelected(files);
    }
}

void FileDropZoneWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Theme::color(Theme::surface));
    QPen pen(Theme::color(Theme::borderStrong), 2);
    pen.setDashPattern({1.8, 2.5});
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Theme::color(Theme::dropZoneFill));
    p.drawRoundedRect(rect().adjusted(40, 40, -40, -40), 8, 8);
}
