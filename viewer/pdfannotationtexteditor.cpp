#include "pdfannotationtexteditor.h"

#include "theme.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int CardWidth = 260;
constexpr int CardHeight = 156;
constexpr int CardGap = 8;

} // namespace

PdfAnnotationTextEditor::PdfAnnotationTextEditor(Mode mode, std::function<QRectF()> anchor,
                                                 QWidget *parent)
    : QFrame(parent)
    , m_mode(mode)
    , m_anchor(std::move(anchor))
{
    setObjectName(u"pdfAnnotationTextEditor"_s);
    setAttribute(Qt::WA_StyledBackground);
    m_edit = new QTextEdit(this);
    m_edit->setObjectName(u"pdfAnnotationTextEdit"_s);
    m_edit->setAcceptRichText(false);
    m_edit->setTabChangesFocus(true);
    m_edit->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    if (mode == Mode::Card) {
        m_title = new QLabel(this);
        m_title->setObjectName(u"pdfAnnotationTextTitle"_s);
        auto *done = new QPushButton(tr("完成"), this);
        done->setObjectName(u"pdfAnnotationTextDone"_s);
        done->setFocusPolicy(Qt::NoFocus);
        done->setCursor(Qt::PointingHandCursor);
        done->setToolTip(tr("保存文字 (Ctrl+Enter)"));
        connect(done, &QPushButton::clicked, this, [this] { finish(true); });
        auto *row = new QHBoxLayout;
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(m_title, 1);
        row->addWidget(done);
        layout->setContentsMargins(10, 8, 10, 10);
        layout->setSpacing(6);
        layout->addLayout(row);
        layout->addWidget(m_edit, 1);
        m_edit->setPlaceholderText(tr("输入批注…"));
        setStyleSheet(uR"(
QFrame#pdfAnnotationTextEditor { background: %1; border: 1px solid %2; border-radius: 8px; }
QLabel#pdfAnnotationTextTitle { color: %3; font-size: 12px; background: transparent; border: none; }
QTextEdit#pdfAnnotationTextEdit { background: %4; color: %5; border: 1px solid %6; border-radius: 6px; font-size: 13px; padding: 2px; }
QPushButton#pdfAnnotationTextDone { background: %7; color: white; border: none; border-radius: 5px; padding: 3px 12px; font-size: 12px; }
QPushButton#pdfAnnotationTextDone:hover { background: %8; }
)"_s.arg(Theme::surface, Theme::cardBorder, Theme::textSecondary, Theme::lightSurface,
         Theme::textPrimary, Theme::border, Theme::accent, Theme::accentHover));
        resize(CardWidth, CardHeight);
    } else {
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_edit);
        m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_edit->setLineWrapMode(QTextEdit::WidgetWidth);
        // Set left to right as the saved box draws it, also in a right-to-left interface.
        m_edit->setLayoutDirection(Qt::LeftToRight);
        // The page stays white under the box whatever the theme.
        setStyleSheet(uR"(
QFrame#pdfAnnotationTextEditor { background: rgba(255, 255, 255, 235); border: 1px dashed %1; }
QTextEdit#pdfAnnotationTextEdit { background: transparent; border: none; }
)"_s.arg(Theme::accent));
        connect(m_edit->document(), &QTextDocument::contentsChanged, this,
                &PdfAnnotationTextEditor::place);
    }
}

PdfAnnotationTextEditor::~PdfAnnotationTextEditor() = default;

QString PdfAnnotationTextEditor::text() const
{
    return m_edit->toPlainText();
}

void PdfAnnotationTextEditor::setText(const QString &text)
{
    m_edit->setPlainText(text);
    spaceLines();
}

void PdfAnnotationTextEditor::setTitle(const QString &title)
{
    if (m_title)
        m_title->setText(title);
}

void PdfAnnotationTextEditor::setTextLook(const QColor &colour, double pixelSize, double margin)
{
    QFont font(u"Helvetica"_s);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(4, int(std::lround(pixelSize))));
    m_edit->setFont(font);
    m_edit->document()->setDocumentMargin(std::max(1.0, margin));
    // The style sheet decides the colour; the palette would be overridden.
    m_edit->setStyleSheet(u"QTextEdit#pdfAnnotationTextEdit { color: %1; }"_s.arg(colour.name()));
    m_lineHeight = pixelSize * 1.2;
    spaceLines();
    place();
}

void PdfAnnotationTextEditor::spaceLines()
{
    if (m_lineHeight <= 0)
        return;
    // Lines as far apart as the page sets them; new lines take the format of the one before.
    QTextBlockFormat format;
    format.setLineHeight(m_lineHeight, QTextBlockFormat::FixedHeight);
    QTextCursor cursor(m_edit->document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(format);
}

int PdfAnnotationTextEditor::textHeight() const
{
    return int(std::ceil(m_edit->document()->size().height()));
}

void PdfAnnotationTextEditor::start()
{
    place();
    show();
    raise();
    m_edit->setFocus(Qt::OtherFocusReason);
    m_edit->moveCursor(QTextCursor::End);
}

void PdfAnnotationTextEditor::place()
{
    if (!m_anchor || !parentWidget())
        return;
    const QRect box = m_anchor().toAlignedRect();
    const QRect room = parentWidget()->rect();
    if (m_mode == Mode::InBox) {
        // As wide as the box, as tall as its text needs.
        m_edit->document()->setTextWidth(box.width());
        setGeometry(
            QRect(box.topLeft(), QSize(box.width(), std::max(box.height(), textHeight() + 2))));
        return;
    }
    // Beside the annotation, on the side with room, inside the view.
    int x = box.right() + CardGap;
    if (x + width() > room.right())
        x = box.left() - CardGap - width();
    x = std::clamp(x, room.left() + 4, std::max(room.left() + 4, room.right() - width() - 4));
    const int y = std::clamp(box.top(), room.top() + 4,
                             std::max(room.top() + 4, room.bottom() - height() - 4));
    move(x, y);
}

void PdfAnnotationTextEditor::finish(bool keep)
{
    if (m_done)
        return;
    m_done = true;
    Q_EMIT finished(keep);
}

bool PdfAnnotationTextEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape) {
            finish(false);
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers().testFlag(Qt::ControlModifier)) {
            finish(true);
            return true;
        }
    }
    if (watched == m_edit && event->type() == QEvent::ShortcutOverride) {
        // Keys typed here are text, not the viewer's single-key tools or page keys.
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool typed =
            !key->text().isEmpty() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (key->key() == Qt::Key_Escape || typed) {
            event->accept();
            return true;
        }
    }
    if (watched == m_edit && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // The edit's own context menu takes the focus for a moment. A click elsewhere ends the
        // typing after the press, so the press knows it only ended the typing.
        if (reason == Qt::MouseFocusReason)
            QTimer::singleShot(0, this, [this] { finish(true); });
        else if (reason != Qt::PopupFocusReason)
            finish(true);
    }
    return QFrame::eventFilter(watched, event);
}
