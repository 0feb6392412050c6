#include "pdfannotationlayer.h"

#include "dialogseam.h"
#include "pdfannotationhandles.h"
#include "pdfannotationmenu.h"
#include "pdfannotationstylemenu.h"
#include "pdfannotationtexteditor.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdfformfilling.h"
#include "pdfnotepopup.h"
#include "pdfpageinteraction.h"
#include "theme.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>

#include <cmath>

using namespace Qt::StringLiterals;
using Type = PdfAnnotation::Type;

namespace {

const QList<std::pair<QString, Type>> &tools()
{
    static const QList<std::pair<QString, Type>> list = {
        {u"highlight"_s, Type::Highlight}, {u"underline"_s, Type::Underline},
        {u"strikeout"_s, Type::StrikeOut}, {u"note"_s, Type::Note},
        {u"freetext"_s, Type::FreeText},   {u"ink"_s, Type::Ink},
        {u"rectangle"_s, Type::Rectangle}, {u"ellipse"_s, Type::Ellipse},
        {u"arrow"_s, Type::Arrow}};
    return list;
}

std::optional<Type> toolType(const QString &id)
{
    for (const auto &[name, type] : tools())
        if (name == id)
            return type;
    return std::nullopt;
}

bool isMarkup(Type type)
{
    return type == Type::Highlight || type == Type::Underline || type == Type::StrikeOut;
}

constexpr int HandleSize = 9;

} // namespace

PdfAnnotationLayer::PdfAnnotationLayer(PdfDocumentView *view, PdfDocumentModel *model,
                                       PdfAnnotationModel *annotations,
                                       PdfPageInteraction *interaction)
    : QWidget(view->viewport())
    , m_view(view)
    , m_model(model)
    , m_annotations(annotations)
    , m_interaction(interaction)
{
    setObjectName(u"pdfAnnotationLayer"_s);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(view->viewport()->rect());
    view->viewport()->installEventFilter(this);
    view->installEventFilter(this);
    m_notePopup = new PdfNotePopup(view->viewport());
    m_forms = new PdfFormFilling(view, model, annotations, interaction, this);
    connect(m_forms, &PdfFormFilling::formFillingRefused, this,
            &PdfAnnotationLayer::formFillingRefused);
    connect(m_forms, &PdfFormFilling::repaintWanted, this, qOverload<>(&QWidget::update));
    connect(annotations, &PdfAnnotationModel::annotationsChanged, this, [this] {
        if (m_selection.isValid() && !m_annotations->annotation(m_selection))
            m_selection = {};
        // Undone or deleted under the editor.
        if (m_textEditor && m_textRef.isValid() && !m_annotations->annotation(m_textRef))
            closeTextEditor(false);
        announceStyle();
        update();
    });
    connect(annotations, &PdfAnnotationModel::allowsAnnotatingChanged, this, [this](bool allowed) {
        if (!allowed)
            setTool({});
    });
    connect(&PdfAnnotationStyles::instance(), &PdfAnnotationStyles::styleChanged, this,
            &PdfAnnotationLayer::announceStyle);
    for (QScrollBar *bar : {view->verticalScrollBar(), view->horizontalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            m_forms->place();
            placeTextEditor();
            m_notePopup->hide();
            update();
        });
        // Zooming changes the ranges first.
        connect(bar, &QScrollBar::rangeChanged, this, &PdfAnnotationLayer::placeTextEditor);
    }
    show();
    raise();
}

PdfAnnotationLayer::~PdfAnnotationLayer() = default;

PdfAnnotationTextEditor *PdfAnnotationLayer::textEditor() const
{
    return m_textEditor;
}

QStringList PdfAnnotationLayer::toolIds()
{
    QStringList ids;
    for (const auto &tool : tools())
        ids.append(tool.first);
    return ids;
}

QString PdfAnnotationLayer::toolOf(Type type)
{
    for (const auto &[name, kind] : tools())
        if (kind == type)
            return name;
    return {};
}

void PdfAnnotationLayer::triggerAction(const QString &id)
{
    if (id == "style"_L1)
        showStyleMenu();
    else if (id == "delete"_L1)
        deleteSelection();
    else if (toolType(id))
        setTool(m_tool == id ? QString() : id);
}

void PdfAnnotationLayer::setTool(const QString &id)
{
    const std::optional<Type> type = toolType(id);
    if (type && m_annotations && !m_annotations->allowsAnnotating()) {
        Q_EMIT annotatingRefused();
        return;
    }
    closeTextEditor(true);
    m_tool = type ? id : QString();
    if (type) {
        m_lastTool = m_tool;
        // The style menu speaks of the tool now, not of what was chosen before.
        m_selection = {};
    }
    m_drag = Drag::None;
    // Text already selected is marked at once.
    if (type && isMarkup(*type) && m_interaction && m_interaction->hasSelection())
        finishMarkup();
    // Heard first by the viewer, which puts the hand tool down for a drawing tool.
    Q_EMIT toolChanged(m_tool);
    if (m_view && !m_view->isHandToolEnabled()) {
        const Qt::CursorShape shape = !type             ? Qt::ArrowCursor
                                      : isMarkup(*type) ? Qt::IBeamCursor
                                                        : Qt::CrossCursor;
        m_view->viewport()->setCursor(shape);
    }
    announceStyle();
    update();
}

void PdfAnnotationLayer::select(const PdfAnnotationRef &ref)
{
    if (ref == m_selection)
        return;
    m_selection = ref;
    announceStyle();
    update();
}

QString PdfAnnotationLayer::styleTool() const
{
    const std::optional<PdfAnnotation> current =
        m_annotations ? m_annotations->annotation(m_selection) : std::nullopt;
    if (current && !toolOf(current->type).isEmpty())
        return toolOf(current->type);
    return m_tool.isEmpty() ? m_lastTool : m_tool;
}

PdfAnnotationStyles::Style PdfAnnotationLayer::style() const
{
    const std::optional<PdfAnnotation> current =
        m_annotations ? m_annotations->annotation(m_selection) : std::nullopt;
    if (current && PdfAnnotationModel::canRedraw(*current))
        return PdfAnnotationStyles::of(*current);
    return PdfAnnotationStyles::instance().style(styleTool());
}

void PdfAnnotationLayer::setStyle(const PdfAnnotationStyles::Style &style)
{
    const std::optional<PdfAnnotation> current =
        m_annotations ? m_annotations->annotation(m_selection) : std::nullopt;
    if (current && !m_annotations->allowsAnnotating()) {
        Q_EMIT annotatingRefused();
        return;
    }
    if (current)
        applyStyle([&style](PdfAnnotation &a) { PdfAnnotationStyles::apply(style, &a); });
    PdfAnnotationStyles::instance().setStyle(styleTool(), style);
    announceStyle();
}

void PdfAnnotationLayer::setColour(const QColor &colour)
{
    PdfAnnotationStyles::Style changed = style();
    changed.colour = colour;
    setStyle(changed);
}

void PdfAnnotationLayer::announceStyle()
{
    Q_EMIT styleColourChanged(colour());
}

void PdfAnnotationLayer::applyStyle(const std::function<void(PdfAnnotation &)> &change)
{
    const std::optional<PdfAnnotation> current =
        m_annotations ? m_annotations->annotation(m_selection) : std::nullopt;
    if (!current || !PdfAnnotationModel::canRedraw(*current))
        return;
    PdfAnnotation changed = *current;
    change(changed);
    const PdfAnnotationRef ref = m_annotations->update(m_selection, changed);
    if (ref.isValid())
        select(ref);
}

bool PdfAnnotationLayer::deleteSelection()
{
    if (!m_annotations || !m_selection.isValid())
        return false;
    if (!m_annotations->allowsAnnotating()) {
        Q_EMIT annotatingRefused();
        return false;
    }
    const bool removed = m_annotations->remove(m_selection);
    if (removed)
        select({});
    return removed;
}

bool PdfAnnotationLayer::editSelectionText()
{
    const std::optional<PdfAnnotation> current =
        m_annotations ? m_annotations->annotation(m_selection) : std::nullopt;
    if (!current || !PdfAnnotationModel::canRedraw(*current))
        return false;
    if (!m_annotations->allowsAnnotating()) {
        Q_EMIT annotatingRefused();
        return false;
    }
    const int row = m_model->rowOfPage(m_selection.page);
    if (row < 0)
        return false;
    m_view->revealPageBox(row, PdfEditorBackend::annotationBounds(*current));
    openTextEditor(row, *current, m_selection);
    return true;
}

void PdfAnnotationLayer::openTextEditor(int row, const PdfAnnotation &annotation,
                                        const PdfAnnotationRef &ref)
{
    closeTextEditor(true);
    m_notePopup->hide();
    m_textRow = row;
    m_textRef = ref;
    m_textDraft = annotation;
    const bool inBox = annotation.type == Type::FreeText;
    // Placed over the model's box as it stands, which may have grown since.
    const auto anchor = [this, inBox]() -> QRectF {
        const std::optional<PdfAnnotation> shown = m_textRef.isValid() && m_annotations
                                                       ? m_annotations->annotation(m_textRef)
                                                       : std::optional<PdfAnnotation>(m_textDraft);
        if (!shown || m_textRow < 0)
            return {};
        return viewportRect(m_textRow,
                            inBox ? shown->rect : PdfEditorBackend::annotationBounds(*shown));
    };
    auto *editor = new PdfAnnotationTextEditor(inBox ? PdfAnnotationTextEditor::Mode::InBox
                                                     : PdfAnnotationTextEditor::Mode::Card,
                                               anchor, m_view->viewport());
    QString title = PdfAnnotationModel::typeName(annotation.type);
    if (!annotation.author.isEmpty())
        title += u" · "_s + annotation.author;
    editor->setTitle(title);
    editor->setText(annotation.text);
    connect(editor, &PdfAnnotationTextEditor::finished, this, [this, editor](bool keep) {
        if (editor == m_textEditor)
            closeTextEditor(keep);
    });
    m_textEditor = editor;
    placeTextEditor();
    editor->start();
    update();
}

void PdfAnnotationLayer::placeTextEditor()
{
    if (!m_textEditor || !m_view || m_textRow < 0)
        return;
    if (m_textEditor->mode() == PdfAnnotationTextEditor::Mode::InBox) {
        const std::optional<PdfPageEntry> entry = m_view->shownPage(m_textRow);
        const QRect rect = m_view->pageRect(m_textRow);
        const double scale =
            entry ? rect.width() / std::max(PdfDocumentModel::displaySize(*entry).width(), 1.0)
                  : 1.0;
        // As the page draws it: two points in from the box's edge.
        m_textEditor->setTextLook(m_textDraft.colour, m_textDraft.fontSize * scale, 2 * scale);
    }
    m_textEditor->place();
}

void PdfAnnotationLayer::closeTextEditor(bool keep)
{
    QPointer<PdfAnnotationTextEditor> editor = std::exchange(m_textEditor, {});
    if (!editor)
        return;
    const QString text = editor->text();
    const int textHeight = editor->textHeight();
    editor->hide();
    editor->deleteLater();
    if (m_view && m_view->viewport()->isAncestorOf(QApplication::focusWidget()))
        m_view->setFocus();
    PdfAnnotation changed = m_textDraft;
    const PdfAnnotationRef ref = m_textRef;
    m_textRef = {};
    update();
    if (!keep || !m_annotations || !m_model)
        return;
    if (ref.isValid()) {
        const std::optional<PdfAnnotation> current = m_annotations->annotation(ref);
        if (!current || current->text == text)
            return;
        changed = *current;
    } else if (changed.type == Type::FreeText && text.trimmed().isEmpty()) {
        return; // an empty box is not kept
    }
    changed.text = text;
    if (changed.type == Type::FreeText) {
        // The box holds what was typed into it; the model may fit it further.
        const QRect rect = m_view->pageRect(m_textRow);
        const std::optional<PdfPageEntry> entry = m_view->shownPage(m_textRow);
        const double scale =
            entry ? rect.width() / std::max(PdfDocumentModel::displaySize(*entry).width(), 1.0)
                  : 1.0;
        changed.rect.setHeight(std::max(changed.rect.height(), (textHeight + 2) / scale));
    }
    PdfAnnotationRef result;
    if (ref.isValid())
        result = m_annotations->update(ref, changed);
    else if (const std::optional<PdfPageEntry> entry = m_model->pageAt(m_textRow))
        result = m_annotations->add(entry->id, changed);
    if (result.isValid())
        select(result);
}

PdfAnnotation PdfAnnotationLayer::styled(Type type) const
{
    PdfAnnotation a;
    a.type = type;
    PdfAnnotationStyles::apply(PdfAnnotationStyles::instance().style(toolOf(type)), &a);
    // Empty: the model names the account's user.
    a.author = PdfAnnotationStyles::instance().author();
    return a;
}

bool PdfAnnotationLayer::markSelection(const QString &tool)
{
    const std::optional<Type> type = toolType(tool);
    if (!type || !isMarkup(*type) || !m_interaction || !m_interaction->hasSelection() ||
        !m_annotations || !m_model)
        return false;
    if (!m_annotations->allowsAnnotating()) {
        Q_EMIT annotatingRefused();
        return false;
    }
    const int row = m_interaction->selectionRow();
    const std::optional<PdfPageEntry> entry = m_model->pageAt(row);
    if (!entry)
        return false;
    PdfAnnotation a = styled(*type);
    a.quads = m_interaction->selectionQuads();
    QRectF bounds;
    for (const QPolygonF &quad : a.quads)
        bounds = bounds.isNull() ? quad.boundingRect() : bounds.united(quad.boundingRect());
    a.rect = bounds;
    a.text = m_interaction->selectedText();
    m_interaction->clearSelection();
    const PdfAnnotationRef ref = m_annotations->add(entry->id, a);
    select(ref);
    return ref.isValid();
}

void PdfAnnotationLayer::finishMarkup()
{
    const std::optional<Type> type = toolType(m_tool);
    if (type && isMarkup(*type))
        markSelection(m_tool);
}

void PdfAnnotationLayer::commitDrawing()
{
    const std::optional<PdfPageEntry> entry = m_model ? m_model->pageAt(m_dragRow) : std::nullopt;
    if (!toolType(m_tool) || !entry || !m_annotations)
        return;
    PdfAnnotation a = dragged();
    m_drag = Drag::None;
    if (a.type == Type::Note || a.type == Type::FreeText) {
        // Added once its text is typed.
        openTextEditor(m_dragRow, a, {});
        return;
    }
    select(m_annotations->add(entry->id, a));
}

// The annotation as the current drag shows it: the shape being drawn, or the selection moved or
// reshaped.
PdfAnnotation PdfAnnotationLayer::dragged() const
{
    if (m_drag == Drag::Draw) {
        const Type type = toolType(m_tool).value_or(Type::Rectangle);
        PdfAnnotation a = styled(type);
        QRectF rect = QRectF(m_dragStart, m_dragNow).normalized();
        const bool small = rect.width() < 4 && rect.height() < 4;
        switch (type) {
        case Type::Ink:
            a.paths = {m_stroke};
            break;
        case Type::Arrow:
            a.paths = {
                QPolygonF({m_dragStart, small ? m_dragStart + QPointF(60, -30) : m_dragNow})};
            break;
        case Type::Note:
            a.rect = QRectF(m_dragStart, QSizeF(22, 22));
            break;
        case Type::FreeText:
            a.rect = small ? QRectF(m_dragStart, QSizeF(180, 40)) : rect;
            break;
        default:
            a.rect = small ? QRectF(m_dragStart, QSizeF(80, 50)) : rect;
            break;
        }
        return a;
    }
    const std::optional<PdfAnnotation> current =
        m_annotations ? m_annotations->annotation(m_selection) : std::nullopt;
    if (!current)
        return {};
    if (m_drag == Drag::Move)
        return PdfAnnotationHandles::moved(*current, m_dragNow - m_dragStart);
    if (m_drag == Drag::Resize)
        return PdfAnnotationHandles::dragged(*current, m_handle, m_dragNow - m_dragStart);
    return *current;
}

double PdfAnnotationLayer::tolerance(int row) const
{
    const QRect rect = m_view->pageRect(row);
    const std::optional<PdfPageEntry> entry = m_view->shownPage(row);
    const double scale =
        entry ? rect.width() / std::max(PdfDocumentModel::displaySize(*entry).width(), 1.0) : 1.0;
    return 4 / std::max(scale, 0.01);
}

std::optional<PdfAnnotationItem> PdfAnnotationLayer::itemAt(const QPoint &viewportPos,
                                                            int *row) const
{
    *row = m_interaction ? m_interaction->pageRowAt(viewportPos) : -1;
    if (*row < 0 || !m_annotations)
        return std::nullopt;
    const QPointF p = m_interaction->toPage(*row, viewportPos);
    const double slack = tolerance(*row);
    const QList<PdfAnnotationItem> items = m_annotations->annotations(*row);
    for (qsizetype i = items.size() - 1; i >= 0; --i)
        if (PdfAnnotationHandles::hits(items.at(i).annotation, p, slack))
            return items.at(i);
    return std::nullopt;
}

QRectF PdfAnnotationLayer::viewportRect(int row, const QRectF &pageRect) const
{
    QPolygonF corners;
    for (const QPointF &corner :
         {pageRect.topLeft(), pageRect.topRight(), pageRect.bottomRight(), pageRect.bottomLeft()})
        corners.append(m_interaction->toViewport(row, corner));
    return corners.boundingRect();
}

int PdfAnnotationLayer::handleAt(const QPoint &viewportPos) const
{
    const std::optional<PdfAnnotation> current =
        m_annotations ? m_annotations->annotation(m_selection) : std::nullopt;
    if (!current || !m_annotations->allowsAnnotating())
        return -1;
    const int row = m_model->rowOfPage(m_selection.page);
    const QList<QPointF> handles = PdfAnnotationHandles::points(*current);
    // The last drawn lies on top where handles meet (a thin box).
    for (qsizetype i = handles.size() - 1; i >= 0; --i) {
        const QPointF at = m_interaction->toViewport(row, handles.at(i));
        if (QRectF(at - QPointF(HandleSize, HandleSize) / 2 - QPointF(2, 2),
                   QSizeF(HandleSize + 4, HandleSize + 4))
                .contains(viewportPos))
            return int(i);
    }
    return -1;
}

bool PdfAnnotationLayer::pressed(QMouseEvent *event)
{
    m_notePopup->hide();
    m_pick = {};
    if (event->button() != Qt::LeftButton || !m_view || m_view->isHandToolEnabled() ||
        !m_interaction)
        return false;
    const QPoint pos = event->position().toPoint();
    if (m_textEditor) {
        // A click beside the text being typed ends the typing, and nothing else.
        closeTextEditor(true);
        return true;
    }
    const std::optional<Type> type = toolType(m_tool);
    if (type && isMarkup(*type))
        return false; // the text selection runs; marked when the button is let go
    if (type) {
        m_dragRow = m_interaction->pageRowAt(pos);
        if (m_dragRow < 0)
            return true;
        m_drag = Drag::Draw;
        m_dragStart = m_dragNow = m_interaction->toPage(m_dragRow, pos);
        m_stroke = QPolygonF({m_dragStart});
        return true;
    }
    // Selecting: a handle of the selection first, then whatever lies under the pointer.
    if (const int handle = handleAt(pos); handle >= 0) {
        m_drag = Drag::Resize;
        m_handle = handle;
        m_dragRow = m_model->rowOfPage(m_selection.page);
        m_dragStart = m_dragNow = m_interaction->toPage(m_dragRow, pos);
        return true;
    }
    int row = -1;
    const std::optional<PdfAnnotationItem> item = itemAt(pos, &row);
    if (!item) {
        if (m_selection.isValid())
            select({});
        if (m_forms->pressed(pos))
            return true;
        m_forms->leave();
        return false;
    }
    const QPointF p = m_interaction->toPage(row, pos);
    const bool grabbed = !isMarkup(item->annotation.type) &&
                         (item->ref == m_selection ||
                          PdfAnnotationHandles::grabsBody(item->annotation, p, tolerance(row)));
    if (!grabbed) {
        // The text under it is still there to select; a click without a drag picks it.
        m_pick = item->ref;
        m_pickPos = pos;
        return false;
    }
    select(item->ref);
    m_view->setFocus(); // Delete and Escape reach the view
    if (m_annotations->allowsAnnotating() && PdfAnnotationModel::canRedraw(item->annotation)) {
        m_drag = Drag::Move;
        m_dragRow = row;
        m_dragStart = m_dragNow = p;
    }
    return true;
}

bool PdfAnnotationLayer::moved(QMouseEvent *event)
{
    if (m_drag == Drag::None) {
        if (event->buttons() == Qt::NoButton)
            hover(event->position().toPoint());
        return false;
    }
    const QPointF before = m_interaction->toViewport(m_dragRow, m_dragNow);
    m_dragNow = m_interaction->toPage(m_dragRow, event->position().toPoint());
    if (m_drag == Drag::Draw && m_tool == "ink"_L1) {
        if (QLineF(m_stroke.last(), m_dragNow).length() < 0.5)
            return true;
        m_stroke.append(m_dragNow);
        // Only the new piece of the stroke is painted again.
        const QPointF after = m_interaction->toViewport(m_dragRow, m_dragNow);
        const double width = PdfAnnotationStyles::instance().style(m_tool).width;
        const int pad = int(std::ceil(width * 6)) + 4;
        update(QRectF(before, after).normalized().toAlignedRect().adjusted(-pad, -pad, pad, pad));
        return true;
    }
    update();
    return true;
}

bool PdfAnnotationLayer::released(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    const std::optional<Type> type = toolType(m_tool);
    if (type && isMarkup(*type)) {
        // After the text selection took this release.
        QTimer::singleShot(0, this, &PdfAnnotationLayer::finishMarkup);
        return false;
    }
    if (const PdfAnnotationRef pick = std::exchange(m_pick, {}); pick.isValid()) {
        const QPoint pos = event->position().toPoint();
        if ((pos - m_pickPos).manhattanLength() < QApplication::startDragDistance()) {
            select(pick);
            m_view->setFocus();
        }
        return false;
    }
    if (m_drag == Drag::None)
        return false;
    m_dragNow = m_interaction->toPage(m_dragRow, event->position().toPoint());
    if (m_drag == Drag::Draw) {
        commitDrawing();
    } else if (QLineF(m_dragStart, m_dragNow).length() > 0.5) {
        const PdfAnnotation changed = dragged();
        m_drag = Drag::None;
        const PdfAnnotationRef ref = m_annotations->update(m_selection, changed);
        if (ref.isValid())
            select(ref);
    }
    m_drag = Drag::None;
    update();
    return true;
}

void PdfAnnotationLayer::hover(const QPoint &pos)
{
    int row = -1;
    const std::optional<PdfAnnotationItem> item = m_textEditor ? std::nullopt : itemAt(pos, &row);
    if (!item || item->annotation.type != Type::Note) {
        m_notePopup->hide();
        return;
    }
    m_notePopup->showFor(viewportRect(row, PdfEditorBackend::annotationBounds(item->annotation)),
                         item->annotation.author, item->annotation.text);
}

bool PdfAnnotationLayer::contextMenu(QContextMenuEvent *event)
{
    int row = -1;
    const std::optional<PdfAnnotationItem> item = itemAt(event->pos(), &row);
    if (!item || m_textEditor)
        return false;
    m_notePopup->hide();
    select(item->ref);
    auto *menu = new PdfAnnotationMenu(this, item->annotation);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    return true;
}

bool PdfAnnotationLayer::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_view)
        return false;
    if (watched == m_view && m_forms->viewKey(event))
        return true;
    if (watched == m_view->viewport()) {
        switch (event->type()) {
        case QEvent::Resize:
            setGeometry(m_view->viewport()->rect());
            placeTextEditor();
            break;
        case QEvent::MouseButtonPress:
            return pressed(static_cast<QMouseEvent *>(event));
        case QEvent::MouseMove:
            return moved(static_cast<QMouseEvent *>(event));
        case QEvent::MouseButtonRelease:
            return released(static_cast<QMouseEvent *>(event));
        case QEvent::ContextMenu:
            return contextMenu(static_cast<QContextMenuEvent *>(event));
        case QEvent::Leave:
            m_notePopup->hide();
            break;
        case QEvent::MouseButtonDblClick:
            if (m_tool.isEmpty() && m_selection.isValid()) {
                const std::optional<PdfAnnotation> current = m_annotations->annotation(m_selection);
                if (current && (current->type == Type::Note || current->type == Type::FreeText)) {
                    editSelectionText();
                    return true;
                }
            }
            break;
        default:
            break;
        }
        return false;
    }
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) &&
            m_selection.isValid()) {
            deleteSelection();
            return true;
        }
        if (key->key() == Qt::Key_Escape &&
            (!m_tool.isEmpty() || m_selection.isValid() || m_forms->hasFocus())) {
            setTool({});
            select({});
            m_forms->leave();
            return true;
        }
    }
    return false;
}

void PdfAnnotationLayer::paintPage(QPainter &painter, int row,
                                   const QList<PdfAnnotation> &annotations)
{
    const std::optional<PdfPageEntry> entry = m_view->shownPage(row);
    const QRect rect = m_view->pageRect(row);
    if (!entry || rect.isEmpty() || annotations.isEmpty())
        return;
    const QPoint offset(m_view->horizontalScrollBar()->value(),
                        m_view->verticalScrollBar()->value());
    painter.save();
    painter.translate(rect.topLeft() - offset);
    painter.setClipRect(QRect(QPoint(), rect.size()));
    const double scale =
        rect.width() / std::max(PdfDocumentModel::displaySize(*entry).width(), 1.0);
    PdfEditorBackend::paintAnnotations(&painter, annotations, entry->pageSize, entry->rotation,
                                       scale);
    painter.restore();
}

void PdfAnnotationLayer::paintEvent(QPaintEvent *)
{
    if (!m_view || !m_model || !m_interaction)
        return;
    QPainter painter(this);
    const QRect visible(
        QPoint(m_view->horizontalScrollBar()->value(), m_view->verticalScrollBar()->value()),
        m_view->viewport()->size());
    const int count = m_model->pageCount();
    const bool typingInBox =
        m_textEditor && m_textEditor->mode() == PdfAnnotationTextEditor::Mode::InBox;
    for (int row = 0; row < count; ++row) {
        const QRect rect = m_view->pageRect(row);
        if (rect.top() > visible.bottom())
            break;
        if (!rect.intersects(visible))
            continue;
        const std::optional<PdfPageEntry> entry = m_model->pageAt(row);
        if (!entry)
            continue;
        m_forms->paint(painter, row);
        QList<PdfAnnotation> shown = entry->annotations;
        // The box being typed into shows its text in the editor only.
        if (typingInBox && m_textRef.isValid() && !m_textRef.fromFile &&
            m_textRef.page == entry->id && m_textRef.index < shown.size())
            shown.removeAt(m_textRef.index);
        paintPage(painter, row, shown);
    }
    if (m_drag != Drag::None && m_dragRow >= 0)
        paintPage(painter, m_dragRow, {dragged()});
    // A new note waits for its text beside it.
    if (m_textEditor && !m_textRef.isValid() && !typingInBox)
        paintPage(painter, m_textRow, {m_textDraft});
    const std::optional<PdfAnnotation> selected =
        m_annotations ? m_annotations->annotation(m_selection) : std::nullopt;
    if (!selected)
        return;
    const int row = m_model->rowOfPage(m_selection.page);
    const PdfAnnotation shown =
        m_drag == Drag::Move || m_drag == Drag::Resize ? dragged() : *selected;
    const QColor accent = Theme::color(Theme::accent);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(accent, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    if (shown.type != Type::Arrow)
        painter.drawRect(
            viewportRect(row, PdfEditorBackend::annotationBounds(shown)).adjusted(-2, -2, 2, 2));
    if (!m_annotations->allowsAnnotating())
        return;
    painter.setPen(QPen(accent, 1.2));
    painter.setBrush(Qt::white);
    const bool round = PdfAnnotationHandles::roundHandles(shown);
    for (const QPointF &handle : PdfAnnotationHandles::points(shown)) {
        const QPointF at = m_interaction->toViewport(row, handle);
        const QRectF box(at - QPointF(HandleSize, HandleSize) / 2, QSizeF(HandleSize, HandleSize));
        if (round)
            painter.drawEllipse(box);
        else
            painter.drawRect(box);
    }
}

void PdfAnnotationLayer::showStyleMenu()
{
    const QString tool = styleTool();
    const std::optional<Type> type = toolType(tool);
    const std::optional<PdfAnnotation> current =
        m_annotations ? m_annotations->annotation(m_selection) : std::nullopt;
    const QString title =
        current
            ? tr("所选批注的样式")
            : tr("%1工具的样式").arg(PdfAnnotationModel::typeName(type.value_or(Type::Highlight)));
    auto *menu = new PdfAnnotationStyleMenu(
        title, current ? current->type : type.value_or(Type::Highlight), style(), this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu, &PdfAnnotationStyleMenu::styleChosen, this, &PdfAnnotationLayer::setStyle);
    menu->popup(QCursor::pos());
}

bool PdfAnnotationLayer::focusField(int row, int index)
{
    return m_forms->focusField(row, index);
}

bool PdfAnnotationLayer::focusNextField(bool forward)
{
    return m_forms->focusNextField(forward);
}

int PdfAnnotationLayer::focusedFieldRow() const
{
    return m_forms->focusedFieldRow();
}

int PdfAnnotationLayer::focusedFieldIndex() const
{
    return m_forms->focusedFieldIndex();
}

QWidget *PdfAnnotationLayer::fieldEditor() const
{
    return m_forms->fieldEditor();
}
