#include "pdfinsertdropzone.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QStyle>
#include <QTextBoundaryFinder>
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
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        wrapText();
}

void PdfInsertDropZone::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    wrapText();
}

void PdfInsertDropZone::wrapText()
{
    // Border, padding and the gap beside the icon, kept generous: the style adds its own margins.
    const int room = width() - iconSize().width() - 40;
    if (room <= 0 || m_prompt.isEmpty())
        return;
    const QFontMetrics metrics = fontMetrics();
    QStringList lines;
    for (const QString &paragraph : m_prompt.split(u'\n')) {
        QString line;
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, paragraph);
        qsizetype start = 0;
        while (start < paragraph.size()) {
            qsizetype end = breaks.toNextBoundary();
            if (end < 0)
                end = paragraph.size();
            const QString piece = paragraph.mid(start, end - start);
            start = end;
            if (line.isEmpty() || metrics.horizontalAdvance(line + piece.trimmed()) <= room) {
                line += piece;
                continue;
            }
            lines.append(line.trimmed());
            line = piece;
        }
        // A word wider than the room (long compounds) is cut where it must.
        while (metrics.horizontalAdvance(line.trimmed()) > room && line.trimmed().size() > 1) {
            qsizetype fit = line.size() - 1;
            while (fit > 1 && metrics.horizontalAdvance(line.left(fit)) > room)
                --fit;
            lines.append(line.left(fit));
            line = line.mid(fit);
        }
        lines.append(line.trimmed());
    }
    const QString wrapped = lines.join(u'\n');
    if (wrapped != text()) {
        setText(wrapped);
        setMinimumHeight(std::max(152, sizeHint().height()));
    }
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
    m_prompt = tr("插入 PDF\n或将多个 PDF 拖放至此处");
    setText(m_prompt);
    wrapText();
}
