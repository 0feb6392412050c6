#pragma once

#include <QFrame>

#include <functional>

class QLabel;
class QTextEdit;

// Typing the text of an annotation where it stands: a small card beside a note (or any other
// annotation with a comment), or the box of a free text on the page, which grows with its lines.
// Enter starts a new line; Ctrl+Enter, the card's button or a click elsewhere keeps the text,
// Escape gives it up.
class PdfAnnotationTextEditor : public QFrame
{
    Q_OBJECT

public:
    enum class Mode { Card, InBox };
    // anchor: the annotation's box in the parent's coordinates, asked again on every place().
    PdfAnnotationTextEditor(Mode mode, std::function<QRectF()> anchor, QWidget *parent);
    ~PdfAnnotationTextEditor() override;

    Mode mode() const { return m_mode; }
    QTextEdit *edit() const { return m_edit; }
    QString text() const;
    void setText(const QString &text);
    void setTitle(const QString &title);
    // The box's text as the page shows it: its colour, and the font size and margin in pixels.
    void setTextLook(const QColor &colour, double pixelSize, double margin);
    // The height the text takes in the box, pixels.
    int textHeight() const;
    // Shows it at its anchor with the keyboard in it, the cursor after the text.
    void start();
    void place();
    // Ends the editing once; keep says whether the text is taken.
    void finish(bool keep);

Q_SIGNALS:
    void finished(bool keep);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void spaceLines();

    Mode m_mode;
    std::function<QRectF()> m_anchor;
    QTextEdit *m_edit = nullptr;
    QLabel *m_title = nullptr;
    bool m_done = false;
    double m_lineHeight = 0; // pixels, in the box
};
