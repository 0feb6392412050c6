#include "pdfbottomcontrolbar.h"

#include "pdfdocumentview.h"
#include "theme.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QIntValidator>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

const int ZoomPresets[] = {25, 50, 75, 100, 125, 150, 200, 300, 400, 800, 1600};

static_assert(PdfBottomControlBar::LeastPercent == int(PdfDocumentView::MinZoom * 100) &&
              PdfBottomControlBar::MostPercent == int(PdfDocumentView::MaxZoom * 100));

QString barStyleSheet()
{
    QString sheet = uR"(
#pdfBottomControlBar { background: %1; border: 1px solid %2; border-radius: 8px; }
#pdfPageNavigation { background: %3; border-radius: 5px; }
#pdfPreviousPageButton, #pdfNextPageButton { padding: 0; color: white; background: transparent; border: none; border-radius: 0; }
#pdfPreviousPageButton { border-top-left-radius: 5px; border-bottom-left-radius: 5px; border-right: 1px solid %4; }
#pdfNextPageButton { border-top-right-radius: 5px; border-bottom-right-radius: 5px; border-left: 1px solid %4; }
#pdfPreviousPageButton:hover, #pdfNextPageButton:hover { background: %5; }
#pdfPreviousPageButton:disabled, #pdfNextPageButton:disabled { background: transparent; }
#pdfPageNumberEdit { color: white; background: %3; border: none; border-radius: 0; font-size: 16px; selection-background-color: %6; }
#pdfPageCountLabel { color: white; background: transparent; font-size: 16px; }
#pdfBottomSeparator { background: %7; }
)"_s.arg(Theme::barBackground, Theme::barBorder, Theme::barControl, Theme::barControlEdge,
         Theme::barControlHover, Theme::barSelection, Theme::barSeparator);
    sheet += uR"(
#pdfZoomCombo { color: %1; background: %2; border: 1px solid %3; border-radius: 6px; padding: 0 26px 0 10px; font-size: 15px; selection-background-color: %4; }
#pdfZoomCombo QLineEdit { color: %1; background: transparent; border: none; padding: 0; font-size: 15px; selection-background-color: %4; }
#pdfZoomCombo::drop-down { width: 26px; border: none; }
#pdfZoomCombo::down-arrow { image: url(:/res/icons/modern/chevron-down.png); width: 14px; height: 14px; }
#pdfFitToggleButton { padding: 0; background: transparent; border: none; border-radius: 5px; }
#pdfFitToggleButton[fitWidth="true"] { qproperty-icon: url(:/res/icons/pdfviewer/fit-width.png); }
#pdfFitToggleButton[fitWidth="false"] { qproperty-icon: url(:/res/icons/pdfviewer/fit-height.png); }
#pdfFitToggleButton:hover { background: %5; }
#pdfFitToggleButton[fitOn="true"] { background: %5; }
#pdfFitToggleButton[fitOn="true"]:hover { background: %6; }
#pdfHistoryBackButton, #pdfHistoryForwardButton { padding: 0; background: transparent; border: none; border-radius: 5px; }
#pdfHistoryBackButton:hover, #pdfHistoryForwardButton:hover { background: %5; }
)"_s.arg(Theme::toolsButtonText, Theme::surface, Theme::zoomComboBorder, Theme::zoomComboSelection,
         Theme::barToggleHover, Theme::barControl);
    return sheet;
}

// A style sheet sets properties once, from its rules without a state, so the greyed arrow of a
// disabled button has to be part of the icon itself.
QIcon arrowIcon(const QString &name)
{
    const QString base = u":/res/icons/pdfviewer/"_s + name;
    QIcon icon(base + u".png"_s);
    icon.addFile(base + u"-disabled.png"_s, QSize(), QIcon::Disabled);
    return icon;
}

QString popupStyleSheet()
{
    return uR"(
QAbstractItemView { color: %1; background: %2; border: 1px solid %3; border-radius: 7px; outline: none; padding: 5px; selection-color: %4; selection-background-color: %5; }
QAbstractItemView::item { min-height: 30px; padding: 0 10px; border-radius: 4px; }
)"_s.arg(Theme::zoomPopupText, Theme::surface, Theme::zoomPopupBorder, Theme::zoomPopupSelectedText,
         Theme::zoomPopupSelected);
}

} // namespace

PdfBottomControlBar::PdfBottomControlBar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"pdfBottomControlBar"_s);
    setAttribute(Qt::WA_StyledBackground);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFixedHeight(52);
    // "3 /12" and the arrows beside it read left to right in every language.
    setLayoutDirection(Qt::LeftToRight);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(0);

    auto *navigation = new QWidget(this);
    navigation->setObjectName(u"pdfPageNavigation"_s);
    navigation->setAttribute(Qt::WA_StyledBackground);
    auto *navigationLayout = new QHBoxLayout(navigation);
    navigationLayout->setContentsMargins(0, 0, 0, 0);
    navigationLayout->setSpacing(0);

    m_previousButton = makeButton(tr("上一页"), u"pdfPreviousPageButton"_s);
    m_previousButton->setIcon(arrowIcon(u"previous"_s));
    m_previousButton->setIconSize(QSize(20, 20));
    m_previousButton->setFixedSize(38, 38);
    m_nextButton = makeButton(tr("下一页"), u"pdfNextPageButton"_s);
    m_nextButton->setIcon(arrowIcon(u"next"_s));
    m_nextButton->setIconSize(QSize(20, 20));
    m_nextButton->setFixedSize(38, 38);

    m_pageEdit = new QLineEdit(u"1"_s, navigation);
    m_pageEdit->setObjectName(u"pdfPageNumberEdit"_s);
    m_pageEdit->setAlignment(Qt::AlignCenter);
    m_pageValidator = new QIntValidator(1, 1, m_pageEdit);
    m_pageEdit->setValidator(m_pageValidator);
    m_pageEdit->setFixedSize(54, 38);

    m_previousButton->setParent(navigation);
    m_nextButton->setParent(navigation);
    navigationLayout->addWidget(m_previousButton);
    navigationLayout->addWidget(m_pageEdit);
    navigationLayout->addWidget(m_nextButton);

    m_pageCountLabel = new QLabel(u"/0"_s, this);
    m_pageCountLabel->setObjectName(u"pdfPageCountLabel"_s);
    m_pageCountLabel->setAlignment(Qt::AlignCenter);
    m_pageCountLabel->setFixedSize(48, 38);

    auto *separator = new QWidget(this);
    separator->setObjectName(u"pdfBottomSeparator"_s);
    separator->setAttribute(Qt::WA_StyledBackground);
    separator->setFixedSize(1, 34);

    m_zoomCombo = new QComboBox(this);
    m_zoomCombo->setObjectName(u"pdfZoomCombo"_s);
    // A percentage may be typed ("333" or "333%"); the list offers presets and the fits.
    m_zoomCombo->setEditable(true);
    m_zoomCombo->setInsertPolicy(QComboBox::NoInsert);
    // Completing "15" to "150%" would zoom ten times further than typed.
    m_zoomCombo->setCompleter(nullptr);
    m_zoomCombo->lineEdit()->setValidator(new QRegularExpressionValidator(
        QRegularExpression(uR"(\s*\d{0,4}([.,]\d{0,2})?\s*%?\s*)"_s), m_zoomCombo));
    m_zoomCombo->setToolTip(tr("缩放比例：选择或输入百分比"));
    m_zoomCombo->setMaxVisibleItems(16);
    m_zoomCombo->setFixedSize(124, 36);
    for (const int percent : ZoomPresets)
        m_zoomCombo->addItem(u"%1%"_s.arg(percent), percent);
    m_zoomCombo->insertSeparator(m_zoomCombo->count());
    for (const auto &[text, item, key] : {std::tuple{tr("适合宽度"), FitWidthItem, Qt::Key_2},
                                          std::tuple{tr("适合页面"), FitPageItem, Qt::Key_0},
                                          std::tuple{tr("实际大小"), ActualSizeItem, Qt::Key_1}}) {
        m_zoomCombo->addItem(text, item);
        m_zoomCombo->setItemData(m_zoomCombo->count() - 1,
                                 QKeySequence(Qt::CTRL | key).toString(QKeySequence::NativeText),
                                 Qt::ToolTipRole);
    }
    m_zoomCombo->setCurrentIndex(m_zoomCombo->findData(100));
    QAbstractItemView *popup = m_zoomCombo->view();
    popup->setObjectName(u"pdfZoomPopup"_s);
    popup->setMinimumWidth(130);
    popup->setStyleSheet(popupStyleSheet());
    // The list's own Home, End and page keys move its selection, not the document.
    popup->installEventFilter(this);

    m_fitToggle = makeButton(QString(), u"pdfFitToggleButton"_s);
    m_fitToggle->setFixedSize(38, 38);
    m_fitToggle->setIconSize(QSize(23, 23));

    layout->addWidget(navigation);
    layout->addWidget(m_pageCountLabel);
    layout->addSpacing(8);
    layout->addWidget(separator);
    layout->addSpacing(10);
    layout->addWidget(m_zoomCombo);
    layout->addSpacing(6);
    layout->addWidget(m_fitToggle);

    setStyleSheet(barStyleSheet());

    connect(m_previousButton, &QPushButton::clicked, this,
            &PdfBottomControlBar::previousPageRequested);
    connect(m_nextButton, &QPushButton::clicked, this, &PdfBottomControlBar::nextPageRequested);
    connect(m_pageEdit, &QLineEdit::returnPressed, this, &PdfBottomControlBar::commitPage);
    connect(m_pageEdit, &QLineEdit::editingFinished, this, &PdfBottomControlBar::commitPage);
    connect(m_zoomCombo, &QComboBox::activated, this, &PdfBottomControlBar::chooseZoom);
    connect(m_zoomCombo->lineEdit(), &QLineEdit::returnPressed, this,
            &PdfBottomControlBar::commitZoomText);
    connect(m_zoomCombo->lineEdit(), &QLineEdit::editingFinished, this,
            &PdfBottomControlBar::commitZoomText);
    connect(m_fitToggle, &QPushButton::clicked, this, &PdfBottomControlBar::toggleFit);
    // The line edit only reports input its validator accepts; a number beyond the last page or
    // a 0 must still lead somewhere instead of sitting in the edit.
    m_pageEdit->installEventFilter(this);

    setFitWidth(true);
    setPageCount(0);
}

PdfBottomControlBar::~PdfBottomControlBar()
{
    // Hiding the bar as it goes takes the focus from the page box, which would commit to a bar
    // no longer there.
    m_pageEdit->disconnect(this);
    m_zoomCombo->lineEdit()->disconnect(this);
}

QPushButton *PdfBottomControlBar::makeButton(const QString &toolTip, const QString &objectName)
{
    auto *button = new QPushButton(this);
    button->setObjectName(objectName);
    button->setToolTip(toolTip);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void PdfBottomControlBar::setHistoryActions(QAction *back, QAction *forward)
{
    auto *row = static_cast<QHBoxLayout *>(layout());
    int at = 0;
    // Straight arrows: the bent ones are undo and redo in the top bar.
    for (const auto &[action, name, icon] :
         {std::tuple{back, u"pdfHistoryBackButton"_s, u"back"_s},
          std::tuple{forward, u"pdfHistoryForwardButton"_s, u"forward"_s}}) {
        auto *button = new QToolButton(this);
        button->setObjectName(name);
        // The bar's light icon is its own: the action also appears in light menus.
        button->setIcon(arrowIcon(icon));
        button->setIconSize(QSize(20, 20));
        button->setToolTip(action->toolTip());
        button->setEnabled(action->isEnabled());
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
        button->setFixedSize(30, 38);
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::PointingHandCursor);
        row->insertWidget(at++, button);
    }
    row->insertSpacing(at, 6);
    adjustSize();
}

void PdfBottomControlBar::focusPageNumber()
{
    if (!m_pageEdit->isEnabled())
        return;
    m_pageEdit->setFocus(Qt::ShortcutFocusReason);
    m_pageEdit->selectAll();
}

bool PdfBottomControlBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_zoomCombo->view() && event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier)
            event->accept();
        return false;
    }
    if (watched == m_pageEdit && event->type() == QEvent::FocusIn) {
        // The click that brought the focus would place the cursor after the select; select once
        // it is handled, so that typing a number replaces the one shown.
        QTimer::singleShot(0, m_pageEdit, [edit = m_pageEdit] {
            if (edit->hasFocus())
                edit->selectAll();
        });
    }
    if (watched == m_pageEdit && !m_pageEdit->hasAcceptableInput()) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                commitPage();
        } else if (event->type() == QEvent::FocusOut) {
            commitPage();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PdfBottomControlBar::updateButtonStates()
{
    m_previousButton->setEnabled(m_pageCount > 0 && m_currentPage >= 1);
    m_nextButton->setEnabled(m_pageCount > 0 && m_currentPage + 1 < m_pageCount);
}

void PdfBottomControlBar::showCurrentPage()
{
    const QSignalBlocker blocker(m_pageEdit);
    const QString label = m_labels.value(m_currentPage);
    if (m_labels.isEmpty()) {
        m_pageEdit->setText(QString::number(m_currentPage + 1));
        m_pageCountLabel->setText(u"/%1"_s.arg(m_pageCount));
    } else {
        m_pageEdit->setText(label.isEmpty() ? QString::number(m_currentPage + 1) : label);
        m_pageCountLabel->setText(
            m_pageCount > 0 ? u"(%1 / %2)"_s.arg(m_currentPage + 1).arg(m_pageCount) : u"/0"_s);
    }
}

void PdfBottomControlBar::setPageLabels(const QStringList &labels)
{
    if (labels == m_labels)
        return;
    m_labels = labels;
    // Labels are typed as text; without them only page numbers are accepted.
    m_pageEdit->setValidator(m_labels.isEmpty() ? m_pageValidator : nullptr);
    showCurrentPage();
    updatePageBoxSizes();
}

void PdfBottomControlBar::updatePageBoxSizes()
{
    if (m_labels.isEmpty()) {
        m_pageEdit->setFixedSize(54, 38);
        m_pageCountLabel->setFixedSize(48, 38);
    } else {
        const QFontMetrics metrics(m_pageEdit->font());
        int widest = 0;
        for (const QString &label : std::as_const(m_labels))
            widest = std::max(widest, metrics.horizontalAdvance(label));
        m_pageEdit->setFixedSize(std::clamp(widest + 24, 54, 120), 38);
        const QFontMetrics countMetrics(m_pageCountLabel->font());
        const QString longest = u"(%1 / %1)"_s.arg(m_pageCount);
        m_pageCountLabel->setFixedSize(std::max(countMetrics.horizontalAdvance(longest) + 10, 48),
                                       38);
    }
    adjustSize();
}

int PdfBottomControlBar::rowForText(const QString &typed) const
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return -1;
    for (Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (int row = 0; row < m_labels.size() && row < m_pageCount; ++row) {
            if (m_labels.at(row).compare(text, sensitivity) == 0)
                return row;
        }
    }
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::max(std::min(m_pageCount, value) - 1, 0) : -1;
}

void PdfBottomControlBar::setPageCount(int count)
{
    m_pageCount = std::max(count, 0);
    m_pageValidator->setRange(1, std::max(m_pageCount, 1));
    m_pageEdit->setEnabled(m_pageCount > 0);
    m_currentPage =
        m_pageCount > 0 ? std::clamp(std::max(m_currentPage, 0), 0, m_pageCount - 1) : -1;
    showCurrentPage();
    updateButtonStates();
    if (!m_labels.isEmpty())
        updatePageBoxSizes();
}

void PdfBottomControlBar::setCurrentPage(int row)
{
    m_currentPage = m_pageCount > 0 ? std::clamp(row, 0, m_pageCount - 1) : -1;
    showCurrentPage();
    updateButtonStates();
}

void PdfBottomControlBar::commitPage()
{
    if (m_pageCount <= 0)
        return;
    int row = -1;
    if (m_labels.isEmpty()) {
        bool ok = false;
        int value = m_pageEdit->text().toInt(&ok, 10);
        if (!ok)
            value = 0;
        row = std::max(std::min(m_pageCount, value) - 1, 0);
    } else {
        // Text that names no page leaves the reader where they are.
        row = rowForText(m_pageEdit->text());
        if (row < 0)
            row = std::max(m_currentPage, 0);
    }
    const bool moved = row != m_currentPage;
    m_currentPage = row;
    showCurrentPage();
    if (!moved)
        return;
    updateButtonStates();
    Q_EMIT pageRequested(row);
}

void PdfBottomControlBar::chooseZoom(int index)
{
    const int value = m_zoomCombo->itemData(index).toInt();
    // The entry's name stays in the box until the view reports its zoom, which a fit already
    // in force does not change.
    showZoomFactor(m_zoomFactor);
    switch (value) {
    case FitWidthItem:
        setFitMode(PdfFitMode::FitWidth);
        Q_EMIT fitWidthRequested();
        return;
    case FitPageItem:
        setFitMode(PdfFitMode::FitPage);
        Q_EMIT fitPageRequested();
        return;
    case ActualSizeItem:
        Q_EMIT actualSizeRequested();
        return;
    default:
        if (value >= 1)
            Q_EMIT zoomRequested(value / 100.0);
        return;
    }
}

void PdfBottomControlBar::commitZoomText()
{
    QString text = m_zoomCombo->lineEdit()->text().trimmed();
    if (text.endsWith(u'%'))
        text.chop(1);
    bool ok = false;
    const double typed = text.trimmed().replace(u',', u'.').toDouble(&ok);
    const int shown = int(std::round(m_zoomFactor * 100.0));
    if (!ok || typed <= 0.0) {
        showZoomFactor(m_zoomFactor);
        return;
    }
    const double percent = std::clamp(typed, double(LeastPercent), double(MostPercent));
    showZoomFactor(percent / 100.0);
    if (std::abs(percent - shown) < 0.5 && m_fitMode == PdfFitMode::NoFit)
        return;
    Q_EMIT zoomRequested(percent / 100.0);
}

void PdfBottomControlBar::showZoomFactor(double factor)
{
    m_zoomFactor = factor;
    const QSignalBlocker blocker(m_zoomCombo);
    // std::round rounds halves away from zero.
    const int percent =
        std::min(std::max(int(std::round(factor * 100.0)), LeastPercent), MostPercent);
    for (int i = m_zoomCombo->count() - 1; i >= 0; --i) {
        if (m_zoomCombo->itemData(i, CustomItemRole).toBool())
            m_zoomCombo->removeItem(i);
    }
    const int preset = m_zoomCombo->findData(percent);
    if (preset >= 0) {
        m_zoomCombo->setCurrentIndex(preset);
    } else {
        m_zoomCombo->insertItem(0, u"%1%"_s.arg(percent), percent);
        m_zoomCombo->setItemData(0, true, CustomItemRole);
        m_zoomCombo->setCurrentIndex(0);
    }
    // An editable box keeps its text apart from the entry chosen.
    m_zoomCombo->setEditText(u"%1%"_s.arg(percent));
}

void PdfBottomControlBar::setFitMode(PdfFitMode mode)
{
    m_fitMode = mode;
    // At a zoom of its own the toggle offers fit width, not lit.
    m_fitToggle->setProperty("fitWidth", mode != PdfFitMode::FitPage);
    m_fitToggle->setProperty("fitOn", mode != PdfFitMode::NoFit);
    m_fitToggle->style()->unpolish(m_fitToggle);
    m_fitToggle->style()->polish(m_fitToggle);
    // It says what is in force; a click goes to the other fit.
    switch (mode) {
    case PdfFitMode::FitWidth:
        m_fitToggle->setToolTip(tr("适合宽度"));
        break;
    case PdfFitMode::FitPage:
        m_fitToggle->setToolTip(tr("适合页面"));
        break;
    case PdfFitMode::NoFit:
        m_fitToggle->setToolTip(tr("未适合窗口：点按适合宽度"));
        break;
    }
}

void PdfBottomControlBar::setFitWidth(bool fitWidth)
{
    setFitMode(fitWidth ? PdfFitMode::FitWidth : PdfFitMode::FitPage);
}

bool PdfBottomControlBar::isFitWidth() const
{
    return m_fitMode == PdfFitMode::FitWidth;
}

void PdfBottomControlBar::toggleFit()
{
    if (m_fitMode == PdfFitMode::FitWidth) {
        setFitMode(PdfFitMode::FitPage);
        Q_EMIT fitPageRequested();
    } else {
        setFitMode(PdfFitMode::FitWidth);
        Q_EMIT fitWidthRequested();
    }
}
