#pragma once

#include <QLabel>

// The text of a note shown beside it while the pointer rests on it: who wrote it and what it
// says, wrapped to a narrow card inside the view.
class PdfNotePopup : public QLabel
{
    Q_OBJECT

public:
    explicit PdfNotePopup(QWidget *parent);

    // Shows author and text beside box (parent coordinates); hidden when both are empty.
    void showFor(const QRectF &box, const QString &author, const QString &text);
};
