#include "pdfformfilling.h"

#include "pdfannotationmodel.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdfpageinteraction.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

using namespace Qt::StringLiterals;

PdfFormFilling::PdfFormFilling(PdfDocumentView *view, PdfDocumentModel *model,
                               PdfAnnotationModel *annotations, PdfPageInteraction *interaction,
                               QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_model(model)
    , m_annotations(annotations)
    , m_interaction(interaction)
{}

PdfFormFilling::~PdfFormFilling() = default;

QRectF PdfFormFilling::viewportRect(int row, const QRectF &pageRect) const
{
    QPolygonF corners;
    for (const QPointF &corner :
         {pageRect.topLeft(), pageRect.topRight(), pageRect.bottomRight(), pageRect.bottomLeft()})
        corners.append(m_interaction->toViewport(row, corner));
    return corners.boundingRect();
}

void PdfFormFilling::leave()
{
    closeEditor(true);
    if (m_fieldIndex >= 0) {
        m_fieldRow = m_fieldIndex = -1;
        Q_EMIT repaintWanted();
    }
}

bool PdfFormFilling::pressed(const QPoint &pos)
{
    const int row = m_interaction ? m_interaction->pageRowAt(pos) : -1;
    if (row < 0 || !m_annotations)
        return false;
    const QPointF p = m_interaction->toPage(row, pos);
    const QList<PdfFormField> fields = m_annotations->formFields(row);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const PdfFormField &field = fields.at(i);
        if (!field.rect.contains(p) || field.readOnly)
            continue;
        if (!m_annotations->allowsFormFilling()) {
            Q_EMIT formFillingRefused();
            return true;
        }
        focusField(row, int(i));
        if (field.kind == PdfFormField::Kind::CheckBox || field.kind == PdfFormField::Kind::Radio)
            toggleField(row, field);
        else if (auto *choice = qobject_cast<QComboBox *>(m_editor.data()))
            choice->showPopup();
        return true;
    }
    return false;
}

bool PdfFormFilling::viewKey(QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (event->type() == QEvent::ShortcutOverride && m_fieldIndex >= 0 &&
        key->key() == Qt::Key_Space) {
        // Space ticks the focused check box instead of paging.
        event->accept();
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    // Tab goes through the form's fields where the document has any.
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
        !key->modifiers().testFlag(Qt::ControlModifier) &&
        focusNextField(key->key() == Qt::Key_Tab))
        return true;
    const QList<PdfFormField> fields =
        m_annotations ? m_annotations->formFields(m_fieldRow) : QList<PdfFormField>();
    if (key->key() == Qt::Key_Space && m_fieldIndex >= 0 && m_fieldIndex < fields.size() &&
        (fields.at(m_fieldIndex).kind == PdfFormField::Kind::CheckBox ||
         fields.at(m_fieldIndex).kind == PdfFormField::Kind::Radio)) {
        toggleField(m_fieldRow, fields.at(m_fieldIndex));
        return true;
    }
    return false;
}

bool PdfFormFilling::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            focusNextField(key->key() == Qt::Key_Tab);
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            closeEditor(true);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            closeEditor(false);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PdfFormFilling::toggleField(int row, const PdfFormField &field)
{
    const bool on = !field.value.isEmpty() && field.value != "Off"_L1;
    QString value = field.onState;
    if (field.kind == PdfFormField::Kind::CheckBox && on)
        value = u"Off"_s;
    m_annotations->setFieldValue(row, field.name, value);
    Q_EMIT repaintWanted();
}

bool PdfFormFilling::focusField(int row, int index)
{
    closeEditor(true);
    const QList<PdfFormField> fields =
        m_annotations ? m_annotations->formFields(row) : QList<PdfFormField>();
    if (index < 0 || index >= fields.size() || !m_view)
        return false;
    m_fieldRow = row;
    m_fieldIndex = index;
    const PdfFormField field = fields.at(index);
    m_view->revealPageBox(row, field.rect);
    if (!field.readOnly && m_annotations->allowsFormFilling()) {
        if (field.kind == PdfFormField::Kind::Text) {
            auto *edit = new QLineEdit(m_view->viewport());
            edit->setObjectName(u"pdfFormTextEditor"_s);
            edit->setText(field.value);
            edit->selectAll();
            m_editor = edit;
        } else if (field.kind == PdfFormField::Kind::Choice) {
            auto *choice = new QComboBox(m_view->viewport());
            choice->setObjectName(u"pdfFormChoiceEditor"_s);
            choice->addItems(field.options);
            choice->setCurrentIndex(int(field.options.indexOf(field.value)));
            connect(choice, &QComboBox::activated, this, [this] { closeEditor(true); });
            m_editor = choice;
        }
    }
    if (m_editor) {
        m_editor->installEventFilter(this);
        place();
        m_editor->show();
        m_editor->setFocus();
    } else {
        m_view->setFocus();
    }
    Q_EMIT repaintWanted();
    return true;
}

bool PdfFormFilling::focusNextField(bool forward)
{
    if (!m_model || !m_view || !m_annotations)
        return false;
    const int count = m_model->pageCount();
    int row = m_fieldRow >= 0 ? m_fieldRow : m_view->currentPage();
    int index = m_fieldRow >= 0 ? m_fieldIndex + (forward ? 1 : -1) : (forward ? 0 : -1);
    for (int seen = 0; seen <= count; ++seen) {
        const int fields = int(m_annotations->formFields(row).size());
        if (index < 0 && !forward)
            index = fields - 1;
        if (index >= 0 && index < fields)
            return focusField(row, index);
        row = (row + (forward ? 1 : -1) + count) % count;
        index = forward ? 0 : -1;
    }
    return false;
}

void PdfFormFilling::closeEditor(bool commit)
{
    QPointer<QWidget> editor = std::exchange(m_editor, {});
    if (!editor)
        return;
    editor->removeEventFilter(this);
    const QList<PdfFormField> fields =
        m_annotations ? m_annotations->formFields(m_fieldRow) : QList<PdfFormField>();
    if (commit && m_fieldIndex >= 0 && m_fieldIndex < fields.size()) {
        const PdfFormField &field = fields.at(m_fieldIndex);
        if (auto *edit = qobject_cast<QLineEdit *>(editor.data()))
            m_annotations->setFieldValue(m_fieldRow, field.name, edit->text());
        else if (auto *choice = qobject_cast<QComboBox *>(editor.data());
                 choice && choice->currentIndex() >= 0)
            m_annotations->setFieldValue(m_fieldRow, field.name, choice->currentText());
    }
    editor->hide();
    editor->deleteLater();
    if (m_view)
        m_view->setFocus();
}

void PdfFormFilling::place()
{
    const QList<PdfFormField> fields =
        m_annotations ? m_annotations->formFields(m_fieldRow) : QList<PdfFormField>();
    if (!m_editor || m_fieldIndex < 0 || m_fieldIndex >= fields.size())
        return;
    const QRect rect = viewportRect(m_fieldRow, fields.at(m_fieldIndex).rect).toAlignedRect();
    m_editor->setGeometry(rect.adjusted(0, 0, 0, std::max(0, 24 - rect.height())));
    QFont font = m_editor->font();
    font.setPixelSize(std::clamp(int(rect.height() * 0.6), 9, 28));
    m_editor->setFont(font);
}

void PdfFormFilling::paint(QPainter &painter, int row)
{
    const std::optional<PdfPageEntry> entry = m_model ? m_model->pageAt(row) : std::nullopt;
    if (!entry || !m_annotations)
        return;
    const QList<PdfFormField> fields = m_annotations->formFields(row);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const PdfFormField &field = fields.at(i);
        const QRectF rect = viewportRect(row, field.rect);
        const bool focused = row == m_fieldRow && i == m_fieldIndex;
        // Filled here: the page image still shows the file's value underneath.
        if (entry->fieldValues.contains(field.name))
            PdfEditorBackend::paintFormValue(&painter, field, rect);
        painter.setPen(focused ? QPen(QColor(0x4F, 0x46, 0xE5), 2)
                               : QPen(QColor(0x4F, 0x46, 0xE5, 90), 1));
        painter.setBrush(focused ? QBrush(Qt::NoBrush) : QBrush(QColor(0x4F, 0x46, 0xE5, 18)));
        painter.drawRect(rect);
        painter.setBrush(Qt::NoBrush);
    }
}
