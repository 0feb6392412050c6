#pragma once

#include "pdfeditorbackend.h"

#include <QObject>
#include <QPointer>

class PdfAnnotationModel;
class PdfDocumentModel;
class PdfDocumentView;
class PdfPageInteraction;
class QPainter;
class QWidget;

// Filling a document's form over the reading view: a click on a field fills it (check boxes and
// radio buttons change at once, text and choice fields open an editor over it), Tab and
// Shift+Tab go through the fields, Space ticks the focused box. The annotation layer hands it
// the view's presses and keys and has it paint the fields.
class PdfFormFilling : public QObject
{
    Q_OBJECT

public:
    PdfFormFilling(PdfDocumentView *view, PdfDocumentModel *model, PdfAnnotationModel *annotations,
                   PdfPageInteraction *interaction, QObject *parent);
    ~PdfFormFilling() override;

    bool focusField(int row, int index);
    bool focusNextField(bool forward);
    int focusedFieldRow() const { return m_fieldRow; }
    int focusedFieldIndex() const { return m_fieldIndex; }
    QWidget *fieldEditor() const { return m_editor; }
    bool hasFocus() const { return m_fieldIndex >= 0; }
    // Ends filling a field: the editor's value kept, no field focused.
    void leave();

    // A press on the view's viewport; true when it reached a field.
    bool pressed(const QPoint &viewportPos);
    // Keys of the view (Tab, Space); true when one was taken.
    bool viewKey(QEvent *event);
    // Keeps the editor over its field as the view scrolls.
    void place();
    void paint(QPainter &painter, int row);

Q_SIGNALS:
    // Tried to fill a field where the annotation model forbids it.
    void formFillingRefused();
    void repaintWanted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void toggleField(int row, const PdfFormField &field);
    void closeEditor(bool commit);
    QRectF viewportRect(int row, const QRectF &pageRect) const;

    QPointer<PdfDocumentView> m_view;
    QPointer<PdfDocumentModel> m_model;
    QPointer<PdfAnnotationModel> m_annotations;
    QPointer<PdfPageInteraction> m_interaction;
    int m_fieldRow = -1;
    int m_fieldIndex = -1;
    QPointer<QWidget> m_editor;
};
