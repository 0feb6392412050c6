#include "pdfinsertdropzone.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QStyle>
#include <QUrl>

using namespace Qt::StringLiterals;

PdfInsertDropZone::PdfInsertDropZone(QWidget *parent)
    : QPushButton(parent)
{
    setObjectName(u"pdfInsertDropZone"_s);
    setProperty("dragActive", false);
    setAcceptDrops(true);
    setCursor(Qt::PointingHandCursor);
    setMinimumHeight(152);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    retranslate();
}

PdfInsertDropZone::~PdfInsertDropZone() = default;

bool PdfInsertDropZone::isPdfUrl(const QUrl &url)
{
    return url.isLocalFile() &&
           QFileInfo(url.toLocalFile()).suffix().compare(u"pdf"_s, Qt::CaseInsensitive) == 0;
}

void PdfInsertDropZone::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    // A drag that carries anything but PDF files is refused as a whole.
    if (urls.isEmpty() || !std::all_of(urls.cbegin(), urls.cend(), &PdfInsertDropZone::isPdfUrl)) {
        event->ignore();
        return;
    }
    setDragActive(true);
    event->acceptProposedAction();
}

void PdfInsertDropZone::dragLeaveEvent(QDragLeaveEvent *event)
{
    setDragActive(false);
    QPushButton::dragLeaveEvent(event);
}

void PdfInsertDropZone::dropEvent(QDropEvent *event)
{
    QStringList files;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (isPdfUrl(url))
            files.append(url.toLocalFile());
    }
    setDragActive(false);
    if (files.isEmpty())
        return;
    Q_EMIT pdfFilesDropped(files);
    event->acceptProposedAction();
}

void PdfInsertDropZone::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QPushButton::changeEvent(event);
}

void PdfInsertDropZone::setDragActive(bool active)
{
    setProperty("dragActive", active);
    style()->unpolish(this);
    style()->polish(this);
    update();
}

void PdfInsertDropZone::retranslate()
{
    setText(tr("插入 PDF\n或将多个 PDF 拖放至此处"));
}
