#include "pdfannotationlayer.h"

#include "dialogseam.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdfpageinteraction.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLineF>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
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

bool resizable(Type type)
{
    return type == Type::Rectangle || type == Type::Ellipse || type == Type::FreeText ||
           type == Type::Ink || type == Type::Arrow;
}

PdfAnnotation transformed(PdfAnnotation a, const QTransform &t)
{
    if (!a.rect.isNull())
        a.rect = t.mapRect(a.rect);
    for (QPolygonF &quad : a.quads)
        quad = t.map(quad);
    for (QPolygonF &path : a.paths)
        path = t.map(path);
    return a;
}

double distanceToPolyline(const QPointF &p, const QPolygonF &line)
{
    double best = line.isEmpty() ? 1e9 : QLineF(p, line.first()).length();
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QPointF a = line.at(i - 1);
        const QPointF d = line.at(i) - a;
        const double length2 = QPointF::dotProduct(d, d);
        const double t =
            length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / length2, 0.0, 1.0) : 0.0;
        best = std::min(best, QLineF(p, a + d * t).length());
    }
    return best;
}

bool hits(const PdfAnnotation &a, const QPointF &p, double tolerance)
{
    if (a.type == Type::Ink || a.type == Type::Arrow) {
        for (const QPolygonF &path : a.paths)
            if (distanceToPolyline(p, path) <= a.width / 2 + tolerance)
                return true;
        return false;
    }
    if (isMarkup(a.type)) {
        for (const QPolygonF &quad : a.quads)
            if (quad.containsPoint(p, Qt::OddEvenFill))
                return true;
        return false;
    }
    return PdfEditorBackend::annotationBounds(a)
        .adjusted(-tolerance, -tolerance, tolerance, tolerance)
        .contains(p);
}

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
    connect(annotations, &PdfAnnotationModel::annotationsChanged, this, [this] {
        if (m_selection.isValid() && !m_annotations->annotation(m_selection))
            m_selection = {};
        update();
    });
    connect(annotations, &PdfAnnotationModel::allowsAnnotatingChanged, this, [this](bool allowed) {
        if (!allowed)
            setTool({});
    });
    for (QScrollBar *bar : {view->verticalScrollBar(), view->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            placeEditor();
            update();
        });
    show();
    raise();
}

PdfAnnotationLayer::~PdfAnnotationLayer() = default;

QStringList PdfAnnotationLayer::toolIds()
{
    QStringList ids;
    for (const auto &tool : tools())
        ids.append(tool.first);
    return ids;
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
    m_tool = type ? id : QString();
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
    update();
}

void PdfAnnotationLayer::select(const PdfAnnotationRef &ref)
{
    m_selection = ref;
    update();
}

void PdfAnnotationLayer::setColour(const QColor &colour)
{
    applyStyle([colour](PdfAnnotation &a) { a.colour = colour; });
    m_colour = colour;
    m_markupColour = colour;
}

void PdfAnnotationLayer::setLineWidth(double width)
{
    applyStyle([width](PdfAnnotation &a) { a.width = width; });
    m_width = width;
}

void PdfAnnotationLayer::setOpacity(double opacity)
{
    applyStyle([opacity](PdfAnnotation &a) { a.opacity = opacity; });
    m_opacity = opacity;
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

bool PdfAnnotationLayer::askText(QString *text, const QString &title)
{
    bool ok = false;
    const QString answer =
        DialogSeam::getText(window(), title, tr("文字："), QLineEdit::Normal, *text, &ok);
    if (ok)
        *text = answer;
    return ok;
}

bool PdfAnnotationLayer::editSelectionText()
{
    const std::optional<PdfAnnotation> current =
        m_annotations ? m_annotations->annotation(m_selection) : std::nullopt;
    if (!current)
        return false;
    PdfAnnotation changed = *current;
    if (!askText(&changed.text, tr("编辑批注")))
        return false;
    if (!PdfAnnotationModel::canRedraw(changed))
        return false;
    const PdfAnnotationRef ref = m_annotations->update(m_selection, changed);
    if (ref.isValid())
        select(ref);
    return ref.isValid();
}

PdfAnnotation PdfAnnotationLayer::styled(Type type) const
{
    PdfAnnotation a;
    a.type = type;
    a.colour = isMarkup(type) && type == Type::Highlight ? m_markupColour : m_colour;
    if (type == Type::Note && m_colour == QColor(0xE0, 0x52, 0x52))
        a.colour = QColor(0xFF, 0xD8, 0x4A);
    a.width = m_width;
    a.opacity = m_opacity;
    return a;
}

void PdfAnnotationLayer::finishMarkup()
{
    const std::optional<Type> type = toolType(m_tool);
    if (!type || !isMarkup(*type) || !m_interaction || !m_interaction->hasSelection() ||
        !m_annotations)
        return;
    const int row = m_interaction->selectionRow();
    const std::optional<PdfPageEntry> entry = m_model ? m_model->pageAt(row) : std::nullopt;
    if (!entry)
        return;
    PdfAnnotation a = styled(*type);
    a.quads = m_interaction->selectionQuads();
    QRectF bounds;
    for (const QPolygonF &quad : a.quads)
        bounds = bounds.isNull() ? quad.boundingRect() : bounds.united(quad.boundingRect());
    a.rect = bounds;
    a.text = m_interaction->selectedText();
    m_interaction->clearSelection();
    select(m_annotations->add(entry->id, a));
}

void PdfAnnotationLayer::commitDrawing()
{
    const std::optional<PdfPageEntry> entry = m_model ? m_model->pageAt(m_dragRow) : std::nullopt;
    if (!toolType(m_tool) || !entry || !m_annotations)
        return;
    PdfAnnotation a = dragged();
    m_drag = Drag::None;
    if ((a.type == Type::Note || a.type == Type::FreeText) &&
        (!askText(&a.text, a.type == Type::Note ? tr("便笺") : tr("文本框")) ||
         (a.type == Type::FreeText && a.text.trimmed().isEmpty())))
        return;
    select(m_annotations->add(entry->id, a));
}

// The annotation as the current drag shows it: the shape being drawn, or the selection moved or
// resized.
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
        return transformed(*current, QTransform::fromTranslate(m_dragNow.x() - m_dragStart.x(),
                                                               m_dragNow.y() - m_dragStart.y()));
    if (m_drag == Drag::Resize) {
        const QRectF bounds = PdfEditorBackend::annotationBounds(*current);
        const double sx =
            std::max(4.0, m_dragNow.x() - bounds.left()) / std::max(bounds.width(), 1.0);
        const double sy =
            std::max(4.0, m_dragNow.y() - bounds.top()) / std::max(bounds.height(), 1.0);
        QTransform t;
        t.translate(bounds.left(), bounds.top());
        t.scale(sx, sy);
        t.translate(-bounds.left(), -bounds.top());
        return transformed(*current, t);
    }
    return *current;
}

std::optional<PdfAnnotationItem> PdfAnnotationLayer::itemAt(const QPoint &viewportPos,
                                                            int *row) const
{
    *row = m_interaction ? m_interaction->pageRowAt(viewportPos) : -1;
    if (*row < 0 || !m_annotations)
        return std::nullopt;
    const QPointF p = m_interaction->toPage(*row, viewportPos);
    const QRect rect = m_view->pageRect(*row);
    const std::optional<PdfPageEntry> entry = m_view->shownPage(*row);
    const double scale =
        entry ? rect.width() / std::max(PdfDocumentModel::displaySize(*entry).width(), 1.0) : 1.0;
    const double tolerance = 4 / std::max(scale, 0.01);
    const QList<PdfAnnotationItem> items = m_annotations->annotations(*row);
    for (qsizetype i = items.size() - 1; i >= 0; --i)
        if (hits(items.at(i).annotation, p, tolerance))
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

QRect PdfAnnotationLayer::handleRect(int row, const QRectF &pageRect) const
{
    const QPointF corner = m_interaction->toViewport(row, pageRect.bottomRight());
    return QRect(corner.toPoint() - QPoint(5, 5), QSize(10, 10));
}

bool PdfAnnotationLayer::pressed(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_view || m_view->isHandToolEnabled() ||
        !m_interaction)
        return false;
    const QPoint pos = event->position().toPoint();
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
    // Selecting: the handle of the selection first, then whatever lies under the pointer.
    if (const std::optional<PdfAnnotation> current =
            m_annotations ? m_annotations->annotation(m_selection) : std::nullopt) {
        const int row = m_model->rowOfPage(m_selection.page);
        if (resizable(current->type) && PdfAnnotationModel::canRedraw(*current) &&
            handleRect(row, PdfEditorBackend::annotationBounds(*current)).contains(pos)) {
            m_drag = Drag::Resize;
            m_dragRow = row;
            m_dragStart = m_dragNow = m_interaction->toPage(row, pos);
            return true;
        }
    }
    int row = -1;
    const std::optional<PdfAnnotationItem> item = itemAt(pos, &row);
    if (!item) {
        if (m_selection.isValid())
            select({});
        if (fieldPressed(pos))
            return true;
        closeEditor(true);
        if (m_fieldIndex >= 0) {
            m_fieldRow = m_fieldIndex = -1;
            update();
        }
        return false;
    }
    select(item->ref);
    m_view->setFocus(); // Delete and Escape reach the view
    if (m_annotations->allowsAnnotating() && PdfAnnotationModel::canRedraw(item->annotation)) {
        m_drag = Drag::Move;
        m_dragRow = row;
        m_dragStart = m_dragNow = m_interaction->toPage(row, pos);
    }
    return true;
}

bool PdfAnnotationLayer::moved(QMouseEvent *event)
{
    if (m_drag == Drag::None)
        return false;
    const QPointF before = m_interaction->toViewport(m_dragRow, m_dragNow);
    m_dragNow = m_interaction->toPage(m_dragRow, event->position().toPoint());
    if (m_drag == Drag::Draw && m_tool == "ink"_L1) {
        if (QLineF(m_stroke.last(), m_dragNow).length() < 0.5)
            return true;
        m_stroke.append(m_dragNow);
        // Only the new piece of the stroke is painted again.
        const QPointF after = m_interaction->toViewport(m_dragRow, m_dragNow);
        const int pad = int(std::ceil(m_width * 6)) + 4;
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
    if (m_drag == Drag::None)
        return false;
    m_dragNow = m_interaction->toPage(m_dragRow, event->position().toPoint());
    if (m_drag == Drag::Draw) {
        commitDrawing();
    } else if (QLineF(m_dragStart, m_dragNow).length() > 0.5) {
        const PdfAnnotation changed = dragged();
        const PdfAnnotationRef ref = m_annotations->update(m_selection, changed);
        if (ref.isValid())
            m_selection = ref;
    }
    m_drag = Drag::None;
    update();
    return true;
}

bool PdfAnnotationLayer::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_view)
        return false;
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
        return false;
    }
    if (watched == m_view && event->type() == QEvent::ShortcutOverride && m_fieldIndex >= 0 &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        // Space ticks the focused check box instead of paging.
        event->accept();
        return true;
    }
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        // Tab goes through the form's fields where the document has any.
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            key->modifiers().testFlag(Qt::ControlModifier) == false &&
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
    }
    if (watched == m_view->viewport()) {
        switch (event->type()) {
        case QEvent::Resize:
            setGeometry(m_view->viewport()->rect());
            break;
        case QEvent::MouseButtonPress:
            return pressed(static_cast<QMouseEvent *>(event));
        case QEvent::MouseMove:
            return moved(static_cast<QMouseEvent *>(event));
        case QEvent::MouseButtonRelease:
            return released(static_cast<QMouseEvent *>(event));
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
            (!m_tool.isEmpty() || m_selection.isValid() || m_fieldIndex >= 0)) {
            setTool({});
            select({});
            m_fieldRow = m_fieldIndex = -1;
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
    for (int row = 0; row < count; ++row) {
        const QRect rect = m_view->pageRect(row);
        if (rect.top() > visible.bottom())
            break;
        if (!rect.intersects(visible))
            continue;
        const std::optional<PdfPageEntry> entry = m_model->pageAt(row);
        if (entry) {
            paintFields(painter, row);
            paintPage(painter, row, entry->annotations);
        }
    }
    if (m_drag != Drag::None && m_dragRow >= 0)
        paintPage(painter, m_dragRow, {dragged()});
    const std::optional<PdfAnnotation> selected =
        m_annotations ? m_annotations->annotation(m_selection) : std::nullopt;
    if (selected) {
        const int row = m_model->rowOfPage(m_selection.page);
        const PdfAnnotation shown =
            m_drag == Drag::Move || m_drag == Drag::Resize ? dragged() : *selected;
        const QRectF bounds = PdfEditorBackend::annotationBounds(shown);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x4F, 0x46, 0xE5), 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(viewportRect(row, bounds).adjusted(-2, -2, 2, 2));
        if (resizable(shown.type) && PdfAnnotationModel::canRedraw(shown)) {
            painter.setPen(QPen(QColor(0x4F, 0x46, 0xE5), 1));
            painter.setBrush(Qt::white);
            painter.drawRect(handleRect(row, bounds));
        }
    }
}

void PdfAnnotationLayer::showStyleMenu()
{
    QMenu menu(this);
    menu.setObjectName(u"pdfAnnotationStyleMenu"_s);
    menu.addSection(tr("颜色"));
    const QList<std::pair<QString, QColor>> colours = {
        {tr("红色"), QColor(0xE0, 0x52, 0x52)}, {tr("橙色"), QColor(0xF0, 0x8C, 0x2E)},
        {tr("黄色"), QColor(0xFF, 0xD8, 0x4A)}, {tr("绿色"), QColor(0x20, 0xA6, 0x6A)},
        {tr("蓝色"), QColor(0x25, 0x59, 0xEB)}, {tr("黑色"), QColor(0x17, 0x20, 0x33)}};
    for (const auto &[name, colour] : colours) {
        QPixmap swatch(16, 16);
        swatch.fill(colour);
        QAction *action = menu.addAction(QIcon(swatch), name);
        action->setCheckable(true);
        action->setChecked(colour == m_colour);
        connect(action, &QAction::triggered, this, [this, c = colour] { setColour(c); });
    }
    menu.addSection(tr("线宽"));
    for (double width : {1.0, 2.0, 4.0, 8.0}) {
        QAction *action = menu.addAction(tr("%1 磅").arg(width));
        action->setCheckable(true);
        action->setChecked(qFuzzyCompare(width, m_width));
        connect(action, &QAction::triggered, this, [this, width] { setLineWidth(width); });
    }
    menu.addSection(tr("不透明度"));
    for (int percent : {100, 75, 50, 25}) {
        QAction *action = menu.addAction(QStringLiteral("%1%").arg(percent));
        action->setCheckable(true);
        action->setChecked(qRound(m_opacity * 100) == percent);
        connect(action, &QAction::triggered, this,
                [this, percent] { setOpacity(percent / 100.0); });
    }
    if (DialogSeam::isScripted())
        return;
    menu.exec(QCursor::pos());
}

bool PdfAnnotationLayer::fieldPressed(const QPoint &pos)
{
    const int row = m_interaction->pageRowAt(pos);
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

void PdfAnnotationLayer::toggleField(int row, const PdfFormField &field)
{
    const bool on = !field.value.isEmpty() && field.value != "Off"_L1;
    QString value = field.onState;
    if (field.kind == PdfFormField::Kind::CheckBox && on)
        value = u"Off"_s;
    m_annotations->setFieldValue(row, field.name, value);
    update();
}

bool PdfAnnotationLayer::focusField(int row, int index)
{
    closeEditor(true);
    const QList<PdfFormField> fields =
        m_annotations ? m_annotations->formFields(row) : QList<PdfFormField>();
    if (index < 0 || index >= fields.size())
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
        placeEditor();
        m_editor->show();
        m_editor->setFocus();
    } else {
        m_view->setFocus();
    }
    update();
    return true;
}

bool PdfAnnotationLayer::focusNextField(bool forward)
{
    if (!m_model || !m_annotations)
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

void PdfAnnotationLayer::closeEditor(bool commit)
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

void PdfAnnotationLayer::placeEditor()
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

void PdfAnnotationLayer::paintFields(QPainter &painter, int row)
{
    const std::optional<PdfPageEntry> entry = m_model->pageAt(row);
    if (!entry)
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
