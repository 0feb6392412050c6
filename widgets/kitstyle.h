#pragma once

#include <QFont>
#include <QString>

class QDialog;
class QFrame;
class QGridLayout;
class QLabel;
class QLayout;
class QPushButton;
class QVBoxLayout;
class QWidget;

class QPainter;
class QRect;
class QWidget;

// Fonts and style-sheet snippets shared by the kit controls and the pages built from them.
namespace KitStyle {

// Kit font codes pack a font into one int: the low 8 bits are the pixel size, 0x100 makes it bold
// and 0x1000 keeps the family of `base` instead of Arial.
enum FontCode : int {
    Regular12 = 12,
    Regular14 = 14,
    Regular16 = 16,
    Bold14 = 270,
    Bold18 = 274,
    BoldFlag = 0x100,
    KeepFamilyFlag = 0x1000,
};

QFont font(int code, const QFont &base = QFont());

QString dividerStyle();
QString plainLabelStyle();
QString colouredLabelStyle(QStringView colour);
QString checkBoxStyle();
QString radioStyle();

// `text` with zero-width spaces inside long unbroken runs (paths, addresses), so a word-wrapped
// label can break them anywhere instead of cutting them off.
QString breakAnywhere(const QString &text);

// Whether top-level windows can show translucent, rounded edges: false on an X11 display without
// a compositing manager, where translucent pixels come out black.
bool windowsBlend();

// Dresses a dialog drawn as a card inside `outer`: where windows blend, a translucent window with
// a shadow under the card; elsewhere an opaque square card filling the window (no corners left
// black). Returns whether it blends; the caller squares the card's corners when not.
bool dressCardWindow(QWidget *window, QLayout *outer, QWidget *card, int blurRadius, int offsetY,
                     int shadowAlpha);

// The inside of a card dialog: its layout (the card's margins) with the short accent bar on top,
// named accentName, and the space under it.
QVBoxLayout *cardContent(QWidget *card, const QString &accentName);

// A dialog drawn as a card: the window's margins and shadow (dressCardWindow) around a card
// named cardName, styled by style (squared where windows do not blend), and its content layout
// under the accent bar accentName.
struct CardDialog
{
    QFrame *card = nullptr;
    QVBoxLayout *content = nullptr;
};
CardDialog makeCardDialog(QDialog *dialog, const QString &cardName, const QString &style,
                          const QString &accentName);
// The card's title (named objectName) with the space under it; and the two-column grid of its
// labelled fields (rowSpacing apart), for the caller to fill and add.
QLabel *addCardTitle(const CardDialog &card, const QString &text, const QString &objectName,
                     int spaceBelow = 22);
QGridLayout *cardGrid(int rowSpacing = 12);

// The button row closing a card dialog's content: cancel and confirm on the right, named
// <prefix>CancelButton and <prefix>ConfirmButton, wired to reject and accept; confirm is the
// default button.
struct CardButtons
{
    QPushButton *cancel = nullptr;
    QPushButton *confirm = nullptr;
};
CardButtons addCardButtons(QDialog *dialog, const CardDialog &card, const QString &prefix,
                           const QString &cancelText, const QString &confirmText);

// Tab moves through the controls inside `root` as they are seen: top to bottom, then left to
// right (creation order often differs, e.g. a base class's bottom row built first).
void setVisualTabOrder(QWidget *root);

// The keyboard focus ring of the painted controls: the accent colour just inside `rect`.
void paintFocusRing(QPainter &painter, const QRect &rect, qreal radius);

} // namespace KitStyle
