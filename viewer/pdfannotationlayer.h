#pragma once

#include "pdfannotationmodel.h"

#include <QPointer>
#include <QWidget>

class PdfDocumentModel;
class PdfDocumentView;
class PdfPageInteraction;

// Drawing and editing annotations over the pages of a document view. It lies over the view's
// viewport like the text selection, paints the annotations added in this session (the files'
// own ones are in the page images), the shape being drawn and the selected annotation.
// With no tool chosen, a click on an annotation selects it: drag to move, the corner handle
// resizes, a double click edits its text, Delete removes it.
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
    bool editSelectionText();

    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour);
    void setLineWidth(double width);
    void setOpacity(double opacity);

    static QStringList toolIds();

    // Form filling: a click on a field fills it (check boxes and radio buttons change at once,
    // text and choice fields open an editor); Tab and Shift+Tab go through the fields.
    bool focusField(int row, int index);
    bool focusNextField(bool forward);
    int focusedFieldRow() const { return m_fieldRow; }
    int focusedFieldIndex() const { return m_fieldIndex; }
    QWidget *fieldEditor() const { return m_editor; }

Q_SIGNALS:
    void toolChanged(const QString &id);
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
    void finishMarkup();
    void commitDrawing();
    std::optional<PdfAnnotationItem> itemAt(const QPoint &viewportPos, int *row) const;
    QRectF viewportRect(int row, const QRectF &pageRect) const;
    QRect handleRect(int row, const QRectF &pageRect) const;
    PdfAnnotation styled(PdfAnnotation::Type type) const;
    PdfAnnotation dragged() const;
    void applyStyle(const std::function<void(PdfAnnotation &)> &change);
    void showStyleMenu();
    bool askText(QString *text, const QString &title);
    void paintPage(QPainter &painter, int row, const QList<PdfAnnotation> &annotations);
    void paintFields(QPainter &painter, int row);
    bool fieldPressed(const QPoint &pos);
    void toggleField(int row, const PdfFormField &field);
    void closeEditor(bool commit);
    void placeEditor();

    QPointer<PdfDocumentView> m_view;
    QPointer<PdfDocumentModel> m_model;
    QPointer<PdfAnnotationModel> m_annotations;
    QPointer<PdfPageInteraction> m_interaction;
    QString m_tool;
    QColor m_colour = QColor(0xE0, 0x52, 0x52);
    QColor m_markupColour = QColor(0xFF, 0xD8, 0x4A);
    double m_width = 2.0;
    double m_opacity = 1.0;

    PdfAnnotationRef m_selection;
    Drag m_drag = Drag::None;
    int m_dragRow = -1;
    QPointF m_dragStart; // page points
    QPointF m_dragNow;
    QPolygonF m_stroke; // ink being drawn

    int m_fieldRow = -1;
    int m_fieldIndex = -1;
    QPointer<QWidget> m_editor;
};
