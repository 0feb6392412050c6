#include "pdfcommentspanel.h"

#include "pagelabeltext.h"
#include "pdfdocumentmodel.h"
#include "theme.h"

#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSet>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

PdfCommentsPanel::PdfCommentsPanel(PdfDocumentModel *model, PdfAnnotationModel *annotations,
                                   QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_annotations(annotations)
{
    setObjectName(u"pdfCommentsPanel"_s);
    m_list = new QListWidget(this);
    m_list->setObjectName(u"pdfCommentsList"_s);
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->installEventFilter(this);
    m_emptyLabel = new QLabel(this);
    m_emptyLabel->setObjectName(u"pdfCommentsEmptyLabel"_s);
    m_emptyLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_emptyLabel->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_emptyLabel, 1);
    setStyleSheet(uR"(
QListWidget#pdfCommentsList { background: transparent; border: none; outline: none; color: %1; font-size: 12px; }
QListWidget#pdfCommentsList::item { padding: 6px 4px; border-bottom: 1px solid %2; }
QListWidget#pdfCommentsList::item:hover { background: %3; }
QListWidget#pdfCommentsList::item:selected { background: %4; color: %1; }
QLabel#pdfCommentsEmptyLabel { color: %5; font-size: 13px; padding-top: 12px; }
)"_s.arg(Theme::textPrimary, Theme::rowSeparator, Theme::hoverSurface, Theme::accentSoft,
         Theme::textMuted));

    m_rebuild = new QTimer(this);
    m_rebuild->setSingleShot(true);
    m_rebuild->setInterval(50);
    connect(m_rebuild, &QTimer::timeout, this, &PdfCommentsPanel::rebuild);
    connect(annotations, &PdfAnnotationModel::annotationsChanged, m_rebuild,
            qOverload<>(&QTimer::start));
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        Q_EMIT annotationActivated(refAt(m_list->row(item)));
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { Q_EMIT editRequested(refAt(m_list->row(item))); });
    connect(m_list, &QListWidget::customContextMenuRequested, this, &PdfCommentsPanel::showMenu);
    rebuild();
    hide();
}

PdfCommentsPanel::~PdfCommentsPanel() = default;

QString PdfCommentsPanel::stateName(const QString &state)
{
    static const QList<std::pair<QLatin1StringView, const char *>> names = {
        {"Accepted"_L1, QT_TR_NOOP("已接受")},  {"Rejected"_L1, QT_TR_NOOP("已拒绝")},
        {"Cancelled"_L1, QT_TR_NOOP("已取消")}, {"Completed"_L1, QT_TR_NOOP("已完成")},
        {"None"_L1, QT_TR_NOOP("无")},          {"Marked"_L1, QT_TR_NOOP("已标记")},
        {"Unmarked"_L1, QT_TR_NOOP("未标记")}};
    for (const auto &[name, text] : names)
        if (state == name)
            return tr(text);
    return state;
}

PdfAnnotationRef PdfCommentsPanel::refAt(int listRow) const
{
    return m_refs.value(listRow);
}

void PdfCommentsPanel::setPageLabels(const QStringList &labels)
{
    if (labels == m_labels)
        return;
    m_labels = labels;
    m_rebuild->start();
}

void PdfCommentsPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    rebuild();
}

void PdfCommentsPanel::rebuild()
{
    // Built while shown only: long manuals have thousands of pages to walk.
    if (!isVisible() || !m_model || !m_annotations)
        return;
    const PdfAnnotationRef current = refAt(m_list->currentRow());
    m_list->clear();
    m_refs.clear();
    QFont font = m_list->font();
    font.setPixelSize(12); // the list's style sheet
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.lineSpacing();
    const int width = std::max(40, m_list->viewport()->width() - 12);
    const auto addEntry = [&](const PdfAnnotationItem &item, const QString &text) {
        auto *entry = new QListWidgetItem(text, m_list);
        // Tall enough for every line, the text wrapped to the list's width.
        const QRect lines =
            metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, text);
        entry->setSizeHint(QSize(0, lines.height() + lineHeight / 2 + 16));
        entry->setToolTip(item.annotation.text);
        m_refs.append(item.ref);
        if (item.ref == current)
            m_list->setCurrentItem(entry);
    };
    const auto byline = [](const PdfAnnotation &a) {
        QStringList parts;
        if (!a.author.isEmpty())
            parts.append(a.author);
        if (a.modified.isValid())
            parts.append(QLocale().toString(a.modified.toLocalTime(), QLocale::ShortFormat));
        return parts;
    };
    int number = 0;
    const int count = m_model->pageCount();
    for (int row = 0; row < count; ++row) {
        const QList<PdfAnnotationItem> items = m_annotations->annotations(row);
        // Replies and review states of the file's own comments, by the comment they answer.
        QHash<int, QList<PdfAnnotationItem>> replies;
        QHash<int, PdfAnnotation> states;
        QSet<int> present;
        // Edited copies of the file's comments keep their place in the file.
        for (const PdfAnnotationItem &item : items)
            if (item.annotation.fileIndex >= 0)
                present.insert(item.annotation.fileIndex);
        for (const PdfAnnotationItem &item : items) {
            const PdfAnnotation &a = item.annotation;
            if (a.replyTo < 0 || !present.contains(a.replyTo))
                continue;
            if (!a.state.isEmpty()) {
                const auto known = states.constFind(a.replyTo);
                if (known == states.cend() || known->modified <= a.modified)
                    states.insert(a.replyTo, a);
            } else {
                replies[a.replyTo].append(item);
            }
        }
        for (const PdfAnnotationItem &item : items) {
            const PdfAnnotation &a = item.annotation;
            if (a.replyTo >= 0 && present.contains(a.replyTo))
                continue;
            const QString kind = a.type == PdfAnnotation::Type::Other && !a.subtype.isEmpty()
                                     ? a.subtype
                                     : PdfAnnotationModel::typeName(a.type);
            const int own = a.fileIndex;
            QString text = tr("%1. 第 %2 页 · %3")
                               .arg(++number)
                               .arg(pagelabeltext::withNumber(m_labels, row), kind);
            QStringList about = byline(a);
            if (const QString state = states.value(own).state; !state.isEmpty())
                about.append(tr("状态：%1").arg(stateName(state)));
            if (!about.isEmpty())
                text += u'\n' + about.join(u" · "_s);
            if (!a.text.isEmpty())
                text += u'\n' + a.text.simplified().left(200);
            addEntry(item, text);
            for (const PdfAnnotationItem &reply : replies.value(own)) {
                QString line = u"    \u21B3 "_s + tr("回复");
                for (const QString &part : byline(reply.annotation))
                    line += u" · "_s + part;
                if (!reply.annotation.text.isEmpty())
                    line += u"\n    "_s + reply.annotation.text.simplified().left(200);
                addEntry(reply, line);
            }
        }
    }
    const bool empty = m_refs.isEmpty();
    m_list->setVisible(!empty);
    m_emptyLabel->setVisible(empty);
    m_emptyLabel->setText(m_annotations->isLoading() ? tr("正在读取批注…") : tr("此文档没有批注"));
}

void PdfCommentsPanel::showMenu(const QPoint &pos)
{
    const int row = m_list->row(m_list->itemAt(pos));
    const PdfAnnotationRef ref = refAt(row);
    if (!ref.isValid())
        return;
    QMenu menu(this);
    menu.addAction(tr("编辑文字"), this, [this, ref] { Q_EMIT editRequested(ref); });
    menu.addAction(tr("删除"), this, [this, ref] { Q_EMIT deleteRequested(ref); });
    menu.exec(m_list->viewport()->mapToGlobal(pos));
}

bool PdfCommentsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const PdfAnnotationRef ref = refAt(m_list->currentRow());
        if ((key == Qt::Key_Delete || key == Qt::Key_Backspace) && ref.isValid()) {
            Q_EMIT deleteRequested(ref);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
