#pragma once

class QColor;
class QLabel;
class QWidget;

// The look shared by the selectable cards (SelectButton, TypeButton): an icon and a label in a
// rounded box with a focus ring.
namespace CardLook {

struct Labels
{
    QLabel *icon = nullptr;
    QLabel *text = nullptr;
};

// Lays out the icon and the label in card; clicks on them go to the card.
Labels addLabels(QWidget *card);
void paint(QWidget *card, const QColor &fill, const QColor &border);

} // namespace CardLook
