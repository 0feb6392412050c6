#include "pdfoutlinepanel.h"

#include "pdfinsertdropzone.h"
#include "pdfoutlinemodel.h"
#include "pdfthumbnailpanel.h"
#include "theme.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString outlineStyle()
{
    return uR"(
QWidget#pdfSidebarTabs { background: %1; border: 1px solid %2; border-radius: 8px; }
QToolButton#pdfSidebarThumbnailsTab, QToolButton#pdfSidebarOutlineTab, QToolButton#pdfSidebarExtraTab {
    border: none; border-radius: 6px; padding: 4px 2px; color: %3; font-size: 12px;
    background: transparent;
}
QToolButton#pdfSidebarThumbnailsTab:hover, QToolButton#pdfSidebarOutlineTab:hover, QToolButton#pdfSidebarExtraTab:hover {
    background: %4;
}
QToolButton#pdfSidebarThumbnailsTab:checked, QToolButton#pdfSidebarOutlineTab:checked, QToolButton#pdfSidebarExtraTab:checked {
    background: %5; color: %6;
}
QTreeView#pdfOutlineTree {
    background: transparent; border: none; outline: none; color: %7; font-size: 13px;
}
QTreeView#pdfOutlineTree::item { padding: 4px 2px; border-radius: 4px; }
QTreeView#pdfOutlineTree::item:hover { background: %4; }
QTreeView#pdfOutlineTree::item:selected { background: %5; color: %6; }
QTreeView#pdfOutlineTree::item:disabled { color: %8; }
QLabel#pdfOutlineEmptyLabel { color: %8; font-size: 13px; }
)"_s.arg(Theme::surface, Theme::border, Theme::textSecondary, Theme::hoverSurface,
         Theme::accentSoft, Theme::accent, Theme::textPrimary, Theme::textMuted);
}

} // namespace

PdfOutlinePanel::PdfOutlinePanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"pdfOutlinePanel"_s);
    m_outline = new PdfOutlineModel(this);

    m_tree = new QTreeView(this);
    m_tree->setObjectName(u"pdfOutlineTree"_s);
    m_tree->setModel(m_outline);
    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setTextElideMode(Qt::ElideRight);
    m_tree->setIndentation(14);
    m_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tree->header()->setStretchLastSection(true);

    m_emptyLabel = new QLabel(this);
    m_emptyLabel->setObjectName(u"pdfOutlineEmptyLabel"_s);
    m_emptyLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_emptyLabel->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tree, 1);
    layout->addWidget(m_emptyLabel, 1);

    m_tabs = new QWidget;
    m_tabs->setObjectName(u"pdfSidebarTabs"_s);
    m_tabs->setAttribute(Qt::WA_StyledBackground);
    m_thumbnailsTab = new QToolButton(m_tabs);
    m_thumbnailsTab->setObjectName(u"pdfSidebarThumbnailsTab"_s);
    m_outlineTab = new QToolButton(m_tabs);
    m_outlineTab->setObjectName(u"pdfSidebarOutlineTab"_s);
    m_tabGroup = new QButtonGroup(this);
    for (QToolButton *tab : {m_thumbnailsTab, m_outlineTab}) {
        tab->setCheckable(true);
        tab->setCursor(Qt::PointingHandCursor);
        tab->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        // Below its text's width: a long name is shortened to the room there is (fitTabTexts).
        tab->setMinimumWidth(1);
        m_tabGroup->addButton(tab);
    }
    m_thumbnailsTab->setChecked(true);
    m_tabs->installEventFilter(this);
    auto *tabLayout = new QHBoxLayout(m_tabs);
    tabLayout->setContentsMargins(2, 2, 2, 2);
    tabLayout->setSpacing(2);
    tabLayout->addWidget(m_thumbnailsTab);
    tabLayout->addWidget(m_outlineTab);

    connect(m_outlineTab, &QToolButton::toggled, this, &PdfOutlinePanel::showOutline);
    connect(m_tree, &QTreeView::clicked, this, &PdfOutlinePanel::activate);
    connect(m_tree, &QTreeView::expanded, this, [this] { markCurrentPage(true); });
    connect(m_tree, &QTreeView::collapsed, this, [this] { markCurrentPage(false); });
    connect(m_tree, &QTreeView::activated, this, &PdfOutlinePanel::activate);
    connect(m_outline, &QAbstractItemModel::modelReset, this, &PdfOutlinePanel::updateState);
    connect(m_outline, &QAbstractItemModel::modelReset, this,
            [this] { setCurrentPage(m_currentPage); });
    connect(m_outline, &PdfOutlineModel::loadingChanged, this, &PdfOutlinePanel::updateState);

    setStyleSheet(outlineStyle());
    m_tabs->setStyleSheet(outlineStyle());
    retranslate();
    updateState();
    hide();
}

PdfOutlinePanel::~PdfOutlinePanel()
{
    // The tabs live in the strip's column, which may outlive this panel.
    if (m_tabs && !m_tabs->parent())
        delete m_tabs;
}

void PdfOutlinePanel::setDocumentModel(PdfDocumentModel *model)
{
    m_outline->setDocumentModel(model);
}

void PdfOutlinePanel::attachTo(PdfThumbnailPanel *strip)
{
    auto *column = strip ? qobject_cast<QVBoxLayout *>(strip->layout()) : nullptr;
    if (!column || m_strip)
        return;
    m_strip = strip;
    column->insertWidget(0, m_tabs);
    column->addWidget(this, 1);
    showOutline(m_outlineShown);
}

void PdfOutlinePanel::showOutline(bool show)
{
    m_outlineShown = show;
    if (m_outlineTab->isChecked() != show)
        (show ? m_outlineTab : m_thumbnailsTab)->setChecked(true);
    if (m_strip) {
        m_strip->listView()->setVisible(!show);
        m_strip->insertDropZone()->setVisible(!show);
    }
    setVisible(show && m_strip);
    widenStrip(show);
    if (show)
        setCurrentPage(m_currentPage);
}

void PdfOutlinePanel::widenStrip(bool wide)
{
    if (!m_strip)
        return;
    m_strip->setMaximumWidth(wide ? PdfThumbnailPanel::MaximumTextWidth
                                  : PdfThumbnailPanel::MaximumWidth);
}

void PdfOutlinePanel::addPanelTab(const QString &icon, const QString &toolTip, QWidget *panel)
{
    auto *column = m_strip ? qobject_cast<QVBoxLayout *>(m_strip->layout()) : nullptr;
    if (!column)
        return;
    auto *tab = new QToolButton(m_tabs);
    tab->setObjectName(u"pdfSidebarExtraTab"_s);
    // Narrow whatever the language, so that the two named tabs keep their room.
    tab->setIcon(QIcon(icon));
    tab->setIconSize(QSize(16, 16));
    tab->setToolTip(toolTip);
    tab->setAccessibleName(toolTip);
    tab->setCheckable(true);
    tab->setCursor(Qt::PointingHandCursor);
    tab->setFixedWidth(34);
    m_tabGroup->addButton(tab);
    m_tabs->layout()->addWidget(tab);
    column->addWidget(panel, 1);
    panel->hide();
    m_extraTabs.append({tab, panel});
    // The group turns the other tab off first; its panels are back before this one hides them.
    connect(tab, &QToolButton::toggled, this, [this, panel](bool on) {
        if (on && m_strip) {
            m_strip->listView()->setVisible(false);
            m_strip->insertDropZone()->setVisible(false);
        }
        if (!on && m_strip && m_thumbnailsTab->isChecked()) {
            m_strip->listView()->setVisible(true);
            m_strip->insertDropZone()->setVisible(true);
        }
        panel->setVisible(on);
        if (on)
            widenStrip(true);
        else if (m_thumbnailsTab->isChecked())
            widenStrip(false);
    });
}

void PdfOutlinePanel::showPanel(QWidget *panel)
{
    for (const auto &[tab, shown] : std::as_const(m_extraTabs)) {
        if (shown == panel)
            tab->setChecked(true);
    }
}

void PdfOutlinePanel::setCurrentPage(int row)
{
    m_currentPage = row;
    markCurrentPage(false);
}

void PdfOutlinePanel::markCurrentPage(bool branchOpened)
{
    const int row = m_currentPage;
    // Looked up only while shown: long manuals have thousands of items.
    if (!m_outlineShown)
        return;
    QModelIndex index = m_outline->indexForRow(row);
    // An item inside a folded branch is marked by its nearest open ancestor.
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) {
        if (!m_tree->isExpanded(up))
            index = up;
    }
    if (!index.isValid()) {
        m_tree->clearSelection();
        return;
    }
    // A clicked item that leads to the same page keeps its mark while it can be seen, unless a
    // branch above the page's own item has just opened.
    const QModelIndex current = m_tree->currentIndex();
    const auto seen = [this](QModelIndex item) {
        for (item = item.parent(); item.isValid(); item = item.parent()) {
            if (!m_tree->isExpanded(item))
                return false;
        }
        return true;
    };
    const auto above = [](const QModelIndex &upper, QModelIndex item) {
        for (item = item.parent(); item.isValid(); item = item.parent()) {
            if (item == upper)
                return true;
        }
        return false;
    };
    if (current.isValid() && m_outline->targetRow(current) == m_outline->targetRow(index) &&
        seen(current) && !(branchOpened && above(current, index)))
        return;
    if (current != index) {
        m_tree->setCurrentIndex(index);
        m_tree->scrollTo(index);
    }
}

void PdfOutlinePanel::activate(const QModelIndex &index)
{
    if (!index.isValid() || !(index.flags() & Qt::ItemIsEnabled))
        return;
    const int row = m_outline->targetRow(index);
    if (row >= 0) {
        Q_EMIT pageRequested(row);
        return;
    }
    const QString uri = index.data(PdfOutlineModel::UriRole).toString();
    if (!uri.isEmpty())
        Q_EMIT externalLinkRequested(uri);
}

void PdfOutlinePanel::updateState()
{
    const bool empty = m_outline->rowCount() == 0;
    m_tree->setVisible(!empty);
    m_emptyLabel->setVisible(empty);
    m_emptyLabel->setText(m_outline->isLoading() ? tr("正在读取书签…") : tr("此文档没有书签"));
}

void PdfOutlinePanel::retranslate()
{
    fitTabTexts();
    updateState();
}

void PdfOutlinePanel::fitTabTexts()
{
    // Some languages' names are wider than a narrow side panel: shortened, the whole name in the
    // tool tip, rather than cut at both ends.
    const QList<QPair<QToolButton *, QString>> tabs = {{m_thumbnailsTab, tr("缩略图")},
                                                       {m_outlineTab, tr("书签")}};
    for (const auto &[tab, text] : tabs) {
        const int room = tab->width() - 8;
        const QString shown = room > 0 && tab->isVisible()
                                  ? tab->fontMetrics().elidedText(text, Qt::ElideRight, room)
                                  : text;
        tab->setText(shown);
        tab->setToolTip(shown == text ? QString() : text);
    }
}

bool PdfOutlinePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tabs && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        fitTabTexts();
    return QWidget::eventFilter(watched, event);
}

void PdfOutlinePanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
