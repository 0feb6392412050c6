#include "pdffindbar.h"

#include "pagelabeltext.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffindresultsmodel.h"
#include "pdftextsearch.h"
#include "theme.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTransform>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMargin = 12;

QString barStyleSheet()
{
    return uR"(
#pdfFindBar { background: %1; border: 1px solid %2; border-radius: 8px; }
#pdfFindEdit { color: %3; background: %1; border: 1px solid %2; border-radius: 6px; padding: 0 8px; min-height: 30px; font-size: 13px; selection-background-color: %4; }
#pdfFindEdit:focus { border-color: %5; }
#pdfFindStatus { color: %6; font-size: 12px; background: transparent; }
#pdfFindBar QPushButton { background: transparent; border: 1px solid transparent; border-radius: 6px; padding: 0; }
#pdfFindBar QPushButton:hover { background: %7; border-color: %2; }
#pdfFindBar QPushButton:pressed { background: %8; }
#pdfFindBar QPushButton:disabled { background: transparent; border-color: transparent; }
#pdfFindBar QPushButton:checked { background: %4; border-color: %5; color: %5; }
#pdfFindMatchCaseButton, #pdfFindWholeWordsButton { color: %6; font-size: 12px; }
#pdfFindResultsList { background: %1; border: none; border-top: 1px solid %2; outline: none; }
#pdfFindRecognizeButton { color: %5; font-size: 12px; padding: 0 8px; min-height: 28px; }
#pdfFindProgress { background: %9; border: none; border-radius: 1px; }
#pdfFindProgress::chunk { background: %5; border-radius: 1px; }
)"_s.arg(Theme::surface, Theme::border, Theme::textPrimary, Theme::accentSoft, Theme::accent,
         Theme::textSecondary, Theme::lightSurface, Theme::hoverSurface, Theme::progressTrack);
}

QPushButton *makeButton(QWidget *parent, const QIcon &icon, const QString &toolTip,
                        const char *objectName)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1StringView(objectName));
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setFixedSize(30, 30);
    button->setToolTip(toolTip);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QPushButton *makeToggle(QWidget *parent, const QString &text, const QString &toolTip,
                        const char *objectName)
{
    QPushButton *button = makeButton(parent, QIcon(), toolTip, objectName);
    button->setText(text);
    button->setCheckable(true);
    return button;
}

// Three lines of a list, drawn so that it follows the bar's colours.
QIcon listIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.setDevicePixelRatio(2.0);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(Theme::textSecondary), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 3; ++line) {
        const qreal y = 4.0 + line * 4.0;
        painter.drawPoint(QPointF(2.5, y));
        painter.drawLine(QPointF(5.5, y), QPointF(14.0, y));
    }
    return QIcon(pixmap);
}

// A hit of the list: its page number, then its line with the hit in the accent colour.
class FindResultDelegate : public QStyledItemDelegate
{
public:
    explicit FindResultDelegate(PdfFindBar *bar)
        : QStyledItemDelegate(bar)
        , m_bar(bar)
    {}

    static constexpr int RowHeight = 30;
    static constexpr int PagePadding = 10;
    static constexpr int LeastPageWidth = 64;

    static QFont pageFont(QFont font)
    {
        font.setPixelSize(12);
        return font;
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return {option.rect.width(), RowHeight};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        painter->save();
        const QRect rect = option.rect;
        if (option.state & QStyle::State_Selected)
            painter->fillRect(rect, QColor(Theme::accentSoft));
        else if (option.state & QStyle::State_MouseOver)
            painter->fillRect(rect, QColor(Theme::lightSurface));
        const QFont font = pageFont(option.font);
        painter->setFont(font);
        painter->setPen(QColor(Theme::textMuted));
        const int pageWidth = m_bar->pageColumnWidth();
        const QRect pageBox(rect.left() + PagePadding, rect.top(), pageWidth - PagePadding,
                            rect.height());
        const int pageRow = index.data(PdfFindResultsModel::PageRowRole).toInt();
        painter->drawText(pageBox, Qt::AlignVCenter | Qt::AlignLeft,
                          QFontMetrics(font).elidedText(m_bar->pageName(pageRow), Qt::ElideMiddle,
                                                        pageBox.width()));

        const QString context = index.data(PdfFindResultsModel::ContextRole).toString();
        const int start = index.data(PdfFindResultsModel::HitStartRole).toInt();
        const int length = index.data(PdfFindResultsModel::HitLengthRole).toInt();
        const QRect textBox = rect.adjusted(pageWidth + 4, 0, -8, 0);
        painter->setClipRect(textBox);
        QFont bold = font;
        bold.setBold(true);
        const QFontMetrics plain(font);
        const QFontMetrics strong(bold);
        const QString before = context.left(start);
        const QString hit = context.mid(start, length);
        const QString after = context.mid(start + length);
        // A long lead-in is cut from the left so that the hit stays in sight.
        const int room = textBox.width() - strong.horizontalAdvance(hit);
        const int afterWidth = plain.horizontalAdvance(after);
        const int leadRoom = std::max(room - std::min(afterWidth, room / 2), 24);
        const QString lead = plain.elidedText(before, Qt::ElideLeft, leadRoom);
        int x = textBox.left();
        const int baseline = rect.top() + (rect.height() + plain.ascent() - plain.descent()) / 2;
        painter->setPen(QColor(Theme::textPrimary));
        painter->drawText(x, baseline, lead);
        x += plain.horizontalAdvance(lead);
        const int hitWidth = strong.horizontalAdvance(hit);
        painter->fillRect(QRect(x - 1, rect.top() + 6, hitWidth + 2, rect.height() - 12),
                          QColor(Theme::accentSoft).darker(106));
        painter->setFont(bold);
        painter->setPen(QColor(Theme::accent));
        painter->drawText(x, baseline, hit);
        x += hitWidth;
        painter->setFont(font);
        painter->setPen(QColor(Theme::textPrimary));
        painter->drawText(x, baseline,
                          plain.elidedText(after, Qt::ElideRight, textBox.right() - x));
        painter->restore();
    }

private:
    PdfFindBar *m_bar;
};

QString withKey(const QString &text, const QKeySequence &key)
{
    return u"%1 (%2)"_s.arg(text, key.toString(QKeySequence::NativeText));
}

} // namespace

PdfFindBar::PdfFindBar(PdfDocumentView *view, PdfDocumentModel *model, QWidget *shortcutHost)
    : QFrame(view)
    , m_view(view)
    , m_model(model)
    , m_search(new PdfTextSearch(this))
    , m_typingTimer(new QTimer(this))
{
    setObjectName(u"pdfFindBar"_s);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(barStyleSheet());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(u"pdfFindEdit"_s);
    m_edit->setPlaceholderText(tr("在文档中查找"));
    m_edit->setClearButtonEnabled(true);
    m_edit->setFixedWidth(220);
    m_edit->installEventFilter(this);

    m_status = new QLabel(this);
    m_status->setObjectName(u"pdfFindStatus"_s);
    m_status->setMinimumWidth(86);
    m_status->setAlignment(Qt::AlignCenter);

    const QPixmap chevron(u":/res/icons/modern/chevron-down.png"_s);
    m_previous = makeButton(this, QIcon(chevron.transformed(QTransform().rotate(180))),
                            withKey(tr("上一处"), QKeySequence(Qt::SHIFT | Qt::Key_F3)),
                            "pdfFindPreviousButton");
    m_next = makeButton(this, QIcon(chevron), withKey(tr("下一处"), QKeySequence(Qt::Key_F3)),
                        "pdfFindNextButton");
    m_close =
        makeButton(this, QIcon(u":/res/icons/modern/close.png"_s),
                   withKey(tr("关闭查找"), QKeySequence(Qt::Key_Escape)), "pdfFindCloseButton");
    m_matchCase = makeToggle(this, u"Aa"_s, tr("区分大小写"), "pdfFindMatchCaseButton");
    m_wholeWords = makeToggle(this, u"ab"_s, tr("全字匹配"), "pdfFindWholeWordsButton");
    QFont underlined = m_wholeWords->font();
    underlined.setUnderline(true);
    m_wholeWords->setFont(underlined);
    m_resultsButton = makeButton(this, listIcon(), tr("显示所有结果"), "pdfFindResultsButton");
    m_resultsButton->setCheckable(true);

    // Offered where nothing was found and pages have no text: they are likely scans.
    m_recognise = new QPushButton(tr("识别文字"), this);
    m_recognise->setObjectName(u"pdfFindRecognizeButton"_s);
    m_recognise->setCursor(Qt::PointingHandCursor);
    m_recognise->hide();
    connect(m_recognise, &QPushButton::clicked, this, &PdfFindBar::recognizeTextRequested);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(u"pdfFindProgress"_s);
    m_progress->setTextVisible(false);
    m_progress->setFixedHeight(2);
    QSizePolicy keep = m_progress->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_progress->setSizePolicy(keep);
    m_progress->hide();

    auto *row = new QHBoxLayout;
    row->setContentsMargins(8, 6, 6, 4);
    row->setSpacing(4);
    row->addWidget(m_edit);
    row->addWidget(m_matchCase);
    row->addWidget(m_wholeWords);
    row->addWidget(m_status);
    row->addWidget(m_recognise);
    row->addWidget(m_previous);
    row->addWidget(m_next);
    row->addWidget(m_resultsButton);
    row->addWidget(m_close);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(row);
    auto *line = new QHBoxLayout;
    line->setContentsMargins(8, 0, 8, 2);
    line->addWidget(m_progress);
    column->addLayout(line);

    m_results = new PdfFindResultsModel(m_search, this);
    m_resultsList = new QListView(this);
    m_resultsList->setObjectName(u"pdfFindResultsList"_s);
    m_resultsList->setModel(m_results);
    m_resultsList->setItemDelegate(new FindResultDelegate(this));
    m_resultsList->setUniformItemSizes(true);
    m_resultsList->setMouseTracking(true);
    m_resultsList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_resultsList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_resultsList->setFocusPolicy(Qt::NoFocus);
    m_resultsList->hide();
    column->addWidget(m_resultsList);
    connect(m_resultsList, &QListView::clicked, this, &PdfFindBar::showResult);
    connect(m_resultsButton, &QPushButton::toggled, this, &PdfFindBar::showResults);
    connect(m_matchCase, &QPushButton::toggled, this, &PdfFindBar::optionsToggled);
    connect(m_wholeWords, &QPushButton::toggled, this, &PdfFindBar::optionsToggled);
    connect(m_search, &PdfTextSearch::currentHitChanged, this, &PdfFindBar::followCurrentHit);

    m_search->setDocumentModel(model);
    view->setTextSearch(m_search);

    m_typingTimer->setSingleShot(true);
    m_typingTimer->setInterval(TypingDelayMs);
    connect(m_typingTimer, &QTimer::timeout, this, &PdfFindBar::startSearch);
    connect(m_edit, &QLineEdit::textEdited, m_typingTimer, qOverload<>(&QTimer::start));
    connect(m_previous, &QPushButton::clicked, this, &PdfFindBar::findPrevious);
    connect(m_next, &QPushButton::clicked, this, &PdfFindBar::findNext);
    connect(m_close, &QPushButton::clicked, this, &PdfFindBar::closeBar);
    connect(m_search, &PdfTextSearch::resultsChanged, this, &PdfFindBar::updateStatus);
    connect(m_search, &PdfTextSearch::firstHitFound, this, &PdfFindBar::reveal);
    connect(m_search, &PdfTextSearch::currentHitChanged, this, &PdfFindBar::updateStatus);
    connect(m_search, &PdfTextSearch::progressChanged, this, [this](int done, int total) {
        m_progress->setRange(0, qMax(total, 1));
        m_progress->setValue(done);
        m_progress->setToolTip(tr("已查找 %1/%2 页").arg(done).arg(total));
        m_progress->setVisible(m_search->isRunning());
        updateStatus();
    });
    connect(m_search, &PdfTextSearch::finished, this, [this] {
        m_progress->hide();
        updateStatus();
    });

    const auto addKey = [shortcutHost](const QKeySequence &key) {
        auto *shortcut = new QShortcut(key, shortcutHost);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        return shortcut;
    };
    connect(addKey(QKeySequence::Find), &QShortcut::activated, this, &PdfFindBar::openBar);
    connect(addKey(QKeySequence(Qt::Key_F3)), &QShortcut::activated, this, &PdfFindBar::findNext);
    connect(addKey(QKeySequence(Qt::SHIFT | Qt::Key_F3)), &QShortcut::activated, this,
            &PdfFindBar::findPrevious);
    m_escape = addKey(QKeySequence(Qt::Key_Escape));
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, this, &PdfFindBar::closeBar);

    view->installEventFilter(this);
    hide();
    updateStatus();
}

PdfFindBar::~PdfFindBar() = default;

void PdfFindBar::setPageLabels(const QStringList &labels)
{
    if (labels == m_labels)
        return;
    m_labels = labels;
    m_pageColumnWidth = -1;
    m_resultsList->viewport()->update();
}

QString PdfFindBar::pageName(int row) const
{
    return tr("第 %1 页").arg(pagelabeltext::withNumber(m_labels, row));
}

int PdfFindBar::pageColumnWidth() const
{
    const int count = m_model ? m_model->pageCount() : 0;
    const int listWidth = m_resultsList->width();
    if (m_pageColumnWidth >= 0 && count == m_pageColumnCount && listWidth == m_pageColumnList)
        return m_pageColumnWidth;
    const QFontMetrics metrics(FindResultDelegate::pageFont(m_resultsList->font()));
    // Numbers are as wide as their digits: the last page's is the widest.
    int widest = metrics.horizontalAdvance(pageName(std::max(count - 1, 0)));
    for (int row = 0; row < m_labels.size() && row < count; ++row) {
        if (!m_labels.at(row).isEmpty())
            widest = std::max(widest, metrics.horizontalAdvance(pageName(row)));
    }
    // A long label leaves the line at least half of the list.
    const int most = std::max(listWidth / 2, FindResultDelegate::LeastPageWidth);
    m_pageColumnWidth = std::clamp(widest + 2 * FindResultDelegate::PagePadding,
                                   FindResultDelegate::LeastPageWidth, most);
    m_pageColumnCount = count;
    m_pageColumnList = listWidth;
    return m_pageColumnWidth;
}

QString PdfFindBar::statusText() const
{
    return m_status->text();
}

void PdfFindBar::openBar()
{
    Q_EMIT opening();
    const bool wasHidden = isHidden();
    show();
    raise();
    place();
    m_escape->setEnabled(true);
    m_edit->setFocus(Qt::ShortcutFocusReason);
    m_edit->selectAll();
    if (wasHidden && !m_edit->text().isEmpty())
        startSearch();
}

void PdfFindBar::closeBar()
{
    m_typingTimer->stop();
    m_search->clear();
    hide();
    m_escape->setEnabled(false);
    if (m_view)
        m_view->setFocus(Qt::OtherFocusReason);
}

void PdfFindBar::findNext()
{
    step(1);
}

void PdfFindBar::findPrevious()
{
    step(-1);
}

void PdfFindBar::optionsToggled()
{
    m_search->setFindOptions({m_matchCase->isChecked(), m_wholeWords->isChecked()});
    if (!m_edit->text().isEmpty() && isVisible())
        startSearch();
}

void PdfFindBar::showResults(bool shown)
{
    m_resultsList->setVisible(shown);
    m_resultsButton->setToolTip(shown ? tr("隐藏结果列表") : tr("显示所有结果"));
    place();
    followCurrentHit();
}

void PdfFindBar::showResult(const QModelIndex &index)
{
    const auto page = index.data(PdfFindResultsModel::PageIdRole).value<PdfPageId>();
    if (m_search->setCurrentHit(page, index.data(PdfFindResultsModel::HitIndexRole).toInt()))
        reveal(index.data(PdfFindResultsModel::PageRowRole).toInt());
}

void PdfFindBar::followCurrentHit()
{
    if (m_resultsList->isHidden())
        return;
    const int row = m_results->currentRow();
    if (row < 0) {
        m_resultsList->clearSelection();
        return;
    }
    const QModelIndex index = m_results->index(row);
    m_resultsList->setCurrentIndex(index);
    m_resultsList->scrollTo(index);
}

void PdfFindBar::startSearch()
{
    m_typingTimer->stop();
    m_search->start(m_edit->text(), m_view ? m_view->currentPage() : 0, true);
}

void PdfFindBar::step(int direction)
{
    if (isHidden() || m_edit->text().isEmpty()) {
        openBar();
        return;
    }
    if (m_typingTimer->isActive() || m_edit->text() != m_search->needle()) {
        startSearch();
        return;
    }
    const int from = m_view ? m_view->currentPage() : 0;
    const int row = direction > 0 ? m_search->next(from) : m_search->previous(from);
    if (row >= 0)
        reveal(row);
}

void PdfFindBar::reveal(int row)
{
    if (!m_view)
        return;
    if (row != m_view->currentPage())
        Q_EMIT hitAboutToShow();
    m_view->revealPageBox(row, m_search->currentBox());
}

void PdfFindBar::updateStatus()
{
    const int hits = m_search->hitCount();
    const int ordinal = m_search->currentOrdinal();
    QString text;
    if (m_search->needle().isEmpty())
        text.clear();
    else if (ordinal > 0)
        text = tr("第 %1/%2 处").arg(ordinal).arg(hits);
    else if (hits > 0)
        text = tr("共 %1 处").arg(hits);
    else if (m_search->isRunning())
        text = tr("正在查找…");
    else
        text = tr("无结果");
    m_status->setText(text);
    const int withoutText = m_search->pagesWithoutText();
    const bool offer =
        !m_search->needle().isEmpty() && hits == 0 && !m_search->isRunning() && withoutText > 0;
    m_recognise->setToolTip(
        tr("%n 页没有文字（可能是扫描件）。识别文字后即可查找。", nullptr, withoutText));
    m_recognise->setVisible(offer);
    m_previous->setEnabled(hits > 0);
    m_next->setEnabled(hits > 0);
    // Longer counts (and longer words in other languages) widen the bar.
    if (isVisible() && sizeHint().width() != width())
        place();
}

bool PdfFindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            step(key->modifiers() & Qt::ShiftModifier ? -1 : 1);
            return true;
        }
    } else if (watched == m_view && event->type() == QEvent::Resize) {
        place();
    }
    return QFrame::eventFilter(watched, event);
}

void PdfFindBar::place()
{
    if (!m_view)
        return;
    // The list takes what the view leaves below the bar, at most a dozen rows.
    if (!m_resultsList->isHidden())
        m_resultsList->setFixedHeight(std::max(
            std::min(m_view->height() - 3 * kMargin - 60, 12 * FindResultDelegate::RowHeight + 4),
            2 * FindResultDelegate::RowHeight));
    adjustSize();
    const QScrollBar *bar = m_view->verticalScrollBar();
    const int scrollWidth = bar && bar->isVisible() ? bar->width() : 0;
    const int x = qMax(m_view->width() - scrollWidth - width() - kMargin, 0);
    move(x, kMargin);
}
