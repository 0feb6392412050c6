#pragma once

#include "pdfannotationmodel.h"
#include "pdfannotationstyles.h"

#include <QPointer>
#include <QWidget>

class PdfAnnotationTextEditor;
class PdfDocumentModel;
class PdfDocumentView;
class PdfFormFilling;
class PdfNotePopup;
class PdfPageInteraction;

// Drawing and editing annotations over the pages of a document view. It lies over the view's
// viewport like the text selection, paints the annotations added in this session (the files'
// own ones are in the page images), the shape being drawn and the selected annotation.
// With no tool chosen, a click on an annotation selects it. A drag moves what it starts on when
// that is a line, a filled or opaque body, a border, or an annotation already selected; a drag
// over text under a highlight or inside an empty frame selects the text instead. The handles
// reshape (corners and sides of boxes, both ends of arrows), a double click types its text in
// place, Delete removes it, a right click offers the same. Resting on a note shows its text.
class PdfAnnotationLayer : public QWidget
{
    Q_OBJECT

public:
    PdfAnnotationLayer(PdfDocumentView *view, PdfDocumentModel *model,
                       PdfAnnotationModel *annotations, PdfPageInteraction *interaction);
    ~PdfAnnotationLayer() override;

    // Tool ids: "highlight", "underline", "strikeout", "note", "freetext", "ink", "rectangle",
    // "ellipse", "arrow"; an empty id puts the tool down. "style" and "delete" act on the
    // selection (and the style on the next shapes).
    void triggerAction(const QString &id);
    QString tool() const { return m_tool; }
    void setTool(const QString &id);

    PdfAnnotationRef selection() const { return m_selection; }
    void select(const PdfAnnotationRef &ref);
    bool deleteSelection();
    // Opens the selection's text for typing where it stands.
    bool editSelectionText();
    // Marks the selected text as a markup tool ("highlight", "underline", "strikeout") would,
    // whatever tool is in use.
    bool markSelection(const QString &tool);

    // The tool the style menu speaks of: the selection's kind, the tool in use, else the last
    // tool chosen.
    QString styleTool() const;
    // The selection's style, else the style tool's.
    PdfAnnotationStyles::Style style() const;
    // Restyles the selection, and the tool of its kind (or the tool in use) from now on.
    void setStyle(const PdfAnnotationStyles::Style &style);
    QColor colour() const { return style().colour; }
    void setColour(const QColor &colour);
    // The editor of a note's or free text's text while one is open.
    PdfAnnotationTextEditor *textEditor() const;

    static QStringList toolIds();
    // The tool that draws annotations of a kind; empty for kinds no tool draws.
    static QString toolOf(PdfAnnotation::Type type);

    // Form filling: a click on a field fills it (check boxes and radio buttons change at once,
    // text and choice fields open an editor); Tab and Shift+Tab go through the fields.
    bool focusField(int row, int index);
    bool focusNextField(bool forward);
    int focusedFieldRow() const;
    int focusedFieldIndex() const;
    QWidget *fieldEditor() const;

Q_SIGNALS:
    void toolChanged(const QString &id);
    // The colour the style button shows: the selection's, or the style tool's.
    void styleColourChanged(const QColor &colour);
    // Tried to annotate, or to fill a form field, where the annotation model forbids it.
    void annotatingRefused();
    void formFillingRefused();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    enum class Drag { None, Draw, Move, Resize };
    bool pressed(QMouseEvent *event);
    bool moved(QMouseEvent *event);
    bool released(QMouseEvent *event);
    bool contextMenu(QContextMenuEvent *event);
    void hover(const QPoint &pos);
    void finishMarkup();
    void commitDrawing();
    std::optional<PdfAnnotationItem> itemAt(const QPoint &viewportPos, int *row) const;
    double tolerance(int row) const;
    QRectF viewportRect(int row, const QRectF &pageRect) const;
    // The selection's handle under a viewport position, -1 when none.
    int handleAt(const QPoint &viewportPos) const;
    PdfAnnotation styled(PdfAnnotation::Type type) const;
    PdfAnnotation dragged() const;
    void applyStyle(const std::function<void(PdfAnnotation &)> &change);
    void announceStyle();
    void showStyleMenu();
    void openTextEditor(int row, const PdfAnnotation &annotation, const PdfAnnotationRef &ref);
    void placeTextEditor();
    void closeTextEditor(bool keep);
    void paintPage(QPainter &painter, int row, const QList<PdfAnnotation> &annotations);

    QPointer<PdfDocumentView> m_view;
    QPointer<PdfDocumentModel> m_model;
    QPointer<PdfAnnotationModel> m_annotations;
    QPointer<PdfPageInteraction> m_interaction;
    QString m_tool;
    QString m_lastTool = QStringLiteral("highlight");

    PdfAnnotationRef m_selection;
    Drag m_drag = Drag::None;
    int m_dragRow = -1;
    int m_handle = -1;
    QPointF m_dragStart; // page points
    QPointF m_dragNow;
    QPolygonF m_stroke; // ink being drawn
    // An annotation over text pressed without a drag yet: a click picks it, a drag selects text.
    PdfAnnotationRef m_pick;
    QPoint m_pickPos;

    // The text being typed: for a new annotation (ref invalid) the draft, else the ref's.
    QPointer<PdfAnnotationTextEditor> m_textEditor;
    PdfAnnotationRef m_textRef;
    PdfAnnotation m_textDraft;
    int m_textRow = -1;
    PdfNotePopup *m_notePopup = nullptr;
    PdfFormFilling *m_forms = nullptr;
};
