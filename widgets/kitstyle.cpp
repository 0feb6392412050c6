#include "kitstyle.h"

#include "theme.h"

#include <QDialog>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

#ifdef VELMORA_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#endif

using namespace Qt::StringLiterals;

namespace KitStyle {

QFont font(int code, const QFont &base)
{
    QFont f = base;
    if (!(code & KeepFamilyFlag))
        f.setFamily(u"Arial"_s);
    f.setPixelSize(code & 0xFF);
    f.setWeight((code & BoldFlag) ? QFont::Bold : QFont::Normal);
    return f;
}

QString dividerStyle()
{
    return u"QLabel{background-color:%1;}"_s.arg(Theme::kitDivider);
}

QString plainLabelStyle()
{
    return u"QLabel{background-color:transparent;color:%1;}"_s.arg(Theme::kitText);
}

QString colouredLabelStyle(QStringView colour)
{
    return u"QLabel{background-color:transparent;color:%1;}"_s.arg(colour);
}

static QString indicatorStyle(QLatin1StringView widget, int size, QLatin1StringView off,
                              QLatin1StringView offHover, QLatin1StringView on,
                              QLatin1StringView onHover, QLatin1StringView offState,
                              QLatin1StringView onState)
{
    return uR"(%1{spacing:4px;padding-left:0px;}
%1::indicator{width:%2px;height:%2px;margin-right:4px;}
%1::indicator:%7{image:url(%3);}
%1::indicator:%7:hover{image:url(%4);}
%1::indicator:%8{image:url(%5);}
%1::indicator:%8:hover{image:url(%6);}
)"_s.arg(widget, QString::number(size), off, offHover, on, onHover, offState, onState);
}

QString checkBoxStyle()
{
    return indicatorStyle(
        "QCheckBox"_L1, 20, ":/res/checkbox/checkbox-unchecked.png"_L1,
        ":/res/checkbox/checkbox-unchecked-hover.png"_L1, ":/res/checkbox/checkbox-checked.png"_L1,
        ":/res/checkbox/checkbox-checked-hover.png"_L1, "unchecked"_L1, "checked"_L1);
}

QString radioStyle()
{
    return indicatorStyle(
        "QRadioButton"_L1, 24, ":/res/checkbox/radio-button-off.png"_L1,
        ":/res/checkbox/radio-button-off-hover.png"_L1, ":/res/checkbox/radio-button-on.png"_L1,
        ":/res/checkbox/radio-button-on-hover.png"_L1, "unchecked"_L1, "checked"_L1);
}

bool windowsBlend()
{
    if (QGuiApplication::platformName() != u"xcb"_s)
        return true;
#if defined(VELMORA_HAVE_XCB) && QT_CONFIG(xcb)
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return true;
    // A compositing manager owns the selection _NET_WM_CM_S<screen>.
    static constexpr char name[] = "_NET_WM_CM_S0";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
    if (!atom)
        return true;
    xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
    const bool composited = owner && owner->owner != XCB_NONE;
    std::free(owner);
    std::free(atom);
    return composited;
#else
    return true;
#endif
}

QString breakAnywhere(const QString &text)
{
    // Short words keep their normal line breaking; past this length every character may break.
    constexpr int LongRun = 24;
    constexpr QChar ZeroWidthSpace(0x200B);
    QString out;
    out.reserve(text.size() * 2);
    int run = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // Ideographs and kana break between any two of them already.
        if (c.isSpace() || c.unicode() >= 0x2E80) {
            run = 0;
            out.append(c);
            continue;
        }
        // Never split a surrogate pair or put a break before a combining mark.
        const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
        out.append(c);
        ++run;
        if (run >= LongRun && !c.isHighSurrogate() && !next.isNull() && !next.isSpace() &&
            !next.isMark()) {
            out.append(ZeroWidthSpace);
        }
    }
    return out;
}

void setVisualTabOrder(QWidget *root)
{
    struct Stop
    {
        QWidget *widget;
        QPoint at;
    };
    QList<Stop> stops;
    const QList<QWidget *> children = root->findChildren<QWidget *>();
    for (QWidget *w : children) {
        if (w->window() != root->window() || w->focusProxy() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        stops.append({w, w->mapTo(root, QPoint(0, w->height() / 2))});
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Stop &a, const Stop &b) {
        // Controls whose middles are within a few pixels share a row.
        if (qAbs(a.at.y() - b.at.y()) > 4)
            return a.at.y() < b.at.y();
        return a.at.x() < b.at.x();
    });
    for (qsizetype i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops.at(i - 1).widget, stops.at(i).widget);
}

void paintFocusRing(QPainter &painter, const QRect &rect, qreal radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Theme::color(Theme::accent), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect).adjusted(1, 1, -1, -1), radius, radius);
    painter.restore();
}

QVBoxLayout *cardContent(QWidget *card, const QString &accentName)
{
    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(32, 28, 32, 28);
    layout->setSpacing(0);
    auto *accent = new QFrame(card);
    accent->setObjectName(accentName);
    accent->setFixedSize(34, 4);
    layout->addWidget(accent);
    layout->addSpacing(18);
    return layout;
}

bool dressCardWindow(QWidget *window, QLayout *outer, QWidget *card, int blurRadius, int offsetY,
                     int shadowAlpha)
{
    if (!windowsBlend()) {
        window->setAttribute(Qt::WA_TranslucentBackground, false);
        outer->setContentsMargins(0, 0, 0, 0);
        return false;
    }
    window->setAttribute(Qt::WA_TranslucentBackground);
    auto *shadow = new QGraphicsDropShadowEffect(card);
    shadow->setBlurRadius(blurRadius);
    shadow->setOffset(0, offsetY);
    shadow->setColor(QColor(15, 23, 42, shadowAlpha));
    card->setGraphicsEffect(shadow);
    return true;
}

CardDialog makeCardDialog(QDialog *dialog, const QString &cardName, const QString &style,
                          const QString &accentName)
{
    auto *outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(20, 20, 20, 20);
    auto *card = new QFrame(dialog);
    card->setObjectName(cardName);
    QString sheet = style;
    if (!dressCardWindow(dialog, outer, card, 40, 12, 65))
        sheet += QStringLiteral("QFrame#%1 { border-radius: 0px; }").arg(cardName);
    card->setStyleSheet(sheet);
    outer->addWidget(card);
    return {card, cardContent(card, accentName)};
}

QLabel *addCardTitle(const CardDialog &card, const QString &text, const QString &objectName,
                     int spaceBelow)
{
    auto *title = new QLabel(text, card.card);
    title->setObjectName(objectName);
    card.content->addWidget(title);
    card.content->addSpacing(spaceBelow);
    return title;
}

QGridLayout *cardGrid(int rowSpacing)
{
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(rowSpacing);
    grid->setColumnStretch(1, 1);
    return grid;
}

CardButtons addCardButtons(QDialog *dialog, const CardDialog &card, const QString &prefix,
                           const QString &cancelText, const QString &confirmText)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    row->addStretch();
    CardButtons buttons{new QPushButton(cancelText, card.card),
                        new QPushButton(confirmText, card.card)};
    buttons.cancel->setObjectName(prefix + QStringLiteral("CancelButton"));
    buttons.confirm->setObjectName(prefix + QStringLiteral("ConfirmButton"));
    buttons.confirm->setDefault(true);
    for (QPushButton *button : {buttons.cancel, buttons.confirm}) {
        button->setCursor(Qt::PointingHandCursor);
        button->setMinimumSize(92, 42);
        row->addWidget(button);
    }
    card.content->addLayout(row);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(buttons.confirm, &QPushButton::clicked, dialog, &QDialog::accept);
    return buttons;
}

} // namespace KitStyle
