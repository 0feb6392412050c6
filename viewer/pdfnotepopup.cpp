#include "pdfnotepopup.h"

#include "theme.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int MaximumWidth = 300;
constexpr int Gap = 6;

} // namespace

PdfNotePopup::PdfNotePopup(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(u"pdfNotePopup"_s);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setWordWrap(true);
    setTextFormat(Qt::RichText);
    setMaximumWidth(MaximumWidth);
    setStyleSheet(uR"(
QLabel#pdfNotePopup { background: %1; color: %2; border: 1px solid %3; border-radius: 8px; padding: 8px 10px; font-size: 13px; }
)"_s.arg(Theme::surface, Theme::textPrimary, Theme::cardBorder));
    hide();
}

void PdfNotePopup::showFor(const QRectF &box, const QString &author, const QString &text)
{
    if (author.isEmpty() && text.isEmpty()) {
        hide();
        return;
    }
    QString html;
    if (!author.isEmpty())
        html += u"<div style=\"color:%1; font-size:12px;\">%2</div>"_s.arg(
            QLatin1StringView(Theme::textSecondary), author.toHtmlEscaped());
    if (!text.isEmpty())
        html += u"<div>%1</div>"_s.arg(text.toHtmlEscaped().replace(u'\n', u"<br>"_s));
    setText(html);
    // Short texts take the width they need, long ones wrap.
    setFixedWidth(std::min(MaximumWidth, sizeHint().width()));
    resize(width(), heightForWidth(width()));
    const QRect room = parentWidget()->rect();
    const QRect anchor = box.toAlignedRect();
    int x = anchor.right() + Gap;
    if (x + width() > room.right())
        x = anchor.left() - Gap - width();
    x = std::clamp(x, room.left() + 2, std::max(room.left() + 2, room.right() - width() - 2));
    const int y = std::clamp(anchor.top(), room.top() + 2,
                             std::max(room.top() + 2, room.bottom() - height() - 2));
    move(x, y);
    show();
    raise();
}
