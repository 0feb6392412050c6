#include "pdfoperationsidepanel.h"

#include "filelocationselector.h"
#include "pdfdocumentmodel.h"
#include "pdfextractsplitwriter.h"
#include "theme.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString panelStyle()
{
    return uR"(
#pdfOperationSidePanel, #pdfOperationSidePanel QStackedWidget, #pdfExtractPage, #pdfSplitPage {
    background: %1; border: none;
}
#pdfOperationSidePanel QLabel { color: %2; background: transparent; }
QLabel#pdfOptionTitle { font-size: 20px; font-weight: 700; }
QLabel#pdfOptionSectionTitle { font-size: 14px; font-weight: 600; }
QCheckBox[pdfOptionCheckBox="true"] {
    min-height: 42px; padding: 4px 10px; spacing: 10px; color: %3; background: %1;
    border: 1px solid %4; border-radius: 7px;
}
QCheckBox[pdfOptionCheckBox="true"]:disabled { color: %5; background: %6; }
QCheckBox[pdfOptionCheckBox="true"]::indicator { width: 20px; height: 20px; }
QCheckBox[pdfOptionCheckBox="true"]::indicator:unchecked {
    image: url(:/res/checkbox/checkbox-unchecked.png);
}
QCheckBox[pdfOptionCheckBox="true"]::indicator:unchecked:hover {
    image: url(:/res/checkbox/checkbox-unchecked-hover.png);
}
QCheckBox[pdfOptionCheckBox="true"]::indicator:checked {
    image: url(:/res/checkbox/checkbox-checked.png);
}
QCheckBox[pdfOptionCheckBox="true"]::indicator:checked:hover {
    image: url(:/res/checkbox/checkbox-checked-hover.png);
}
/* Items are as wide as the list's viewport: side padding on them would push wrapped text past
   the right edge, so the list's own padding keeps the text off the border. */
#pdfOperationSidePanel QListWidget {
    background: %1; border: 1px solid %4; border-radius: 7px; padding: 4px 12px; outline: none;
}
#pdfOperationSidePanel QScrollBar:vertical { width: 10px; background: transparent; margin: 2px; }
#pdfOperationSidePanel QScrollBar::handle:vertical {
    background: %12; border-radius: 3px; min-height: 32px;
}
#pdfOperationSidePanel QScrollBar::add-line:vertical,
#pdfOperationSidePanel QScrollBar::sub-line:vertical { height: 0px; border: none; }
#pdfOperationSidePanel QScrollBar::add-page:vertical,
#pdfOperationSidePanel QScrollBar::sub-page:vertical { background: transparent; }
#pdfOperationSidePanel QListWidget::item {
    min-height: 42px; padding: 5px 0px; border: none; border-bottom: 1px solid %7; color: %2;
}
#pdfOperationSidePanel QPushButton {
    min-height: 40px; padding: 0px 12px; color: %2; background: %1;
    border: 1px solid %4; border-radius: 7px;
}
#pdfOperationSidePanel QPushButton:hover { background: %8; }
QPushButton#pdfPrimaryAction {
    color: %1; background: %9; border: 1px solid %9; font-weight: 600;
}
QPushButton#pdfPrimaryAction:hover { background: %10; border-color: %10; }
QPushButton#pdfPrimaryAction:disabled {
    color: %1; background: %11; border: 1px solid %11;
}
)"_s.arg(Theme::surface, Theme::textPrimary, Theme::textSecondary, Theme::border,
         Theme::optionDisabledText, Theme::optionDisabledBackground, Theme::rowSeparator,
         Theme::lightSurface, Theme::primaryAction)
        .arg(Theme::primaryActionHover, Theme::primaryActionDisabled, Theme::viewScrollHandle);
}

QLabel *label(const QString &text, const QString &objectName)
{
    auto *result = new QLabel(text);
    result->setObjectName(objectName);
    return result;
}

} // namespace

PdfOperationSidePanel::PdfOperationSidePanel(QWidget *parent)
    : QWidget(parent)
    , m_pages(new QStackedWidget(this))
    , m_combineCheckBox(new QCheckBox(tr("将选定页面提取为单个文件")))
    , m_extractPreview(new QListWidget)
    , m_extractLocation(new FileLocationSelector)
    , m_extractButton(new QPushButton(tr("提取")))
    , m_everyPageCheckBox(new QCheckBox(tr("将每个页面拆分为单个文件")))
    , m_splitPreview(new QListWidget)
    , m_splitLocation(new FileLocationSelector)
    , m_splitButton(new QPushButton(tr("拆分")))
{
    setObjectName(u"pdfOperationSidePanel"_s);
    setAttribute(Qt::WA_StyledBackground, true);
    setMinimumWidth(300);
    setMaximumWidth(430);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);

    m_combineCheckBox->setObjectName(u"pdfCombineExtractCheckBox"_s);
    m_extractLocation->setObjectName(u"pdfExtractLocationSelector"_s);
    m_extractButton->setObjectName(u"pdfPrimaryAction"_s);
    m_everyPageCheckBox->setObjectName(u"pdfSplitEveryPageCheckBox"_s);
    m_splitLocation->setObjectName(u"pdfSplitLocationSelector"_s);
    m_splitButton->setObjectName(u"pdfPrimaryAction"_s);
    m_extractPreview->setObjectName(u"pdfExtractPreviewList"_s);
    m_splitPreview->setObjectName(u"pdfSplitPreviewList"_s);
    m_extractPreview->setMinimumHeight(110);
    m_extractPreview->setMaximumHeight(250);
    m_splitPreview->setMinimumHeight(180);

    m_extractPage =
        buildPage(tr("提取"), tr("文件提取选项"), m_combineCheckBox, tr("将选定页面另存为"),
                  m_extractPreview, m_extractLocation, m_extractButton);
    m_extractPage->setObjectName(u"pdfExtractPage"_s);
    m_splitPage = buildPage(tr("拆分"), tr("文件拆分选项"), m_everyPageCheckBox, tr("输出预览"),
                            m_splitPreview, m_splitLocation, m_splitButton);
    m_splitPage->setObjectName(u"pdfSplitPage"_s);
    m_pages->addWidget(m_extractPage);
    m_pages->addWidget(m_splitPage);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pages);

    for (FileLocationSelector *selector : {m_extractLocation, m_splitLocation}) {
        connect(selector, &FileLocationSelector::directoryChanged, this,
                [this, selector] { onLocationChanged(selector); });
    }
    connect(m_combineCheckBox, &QCheckBox::toggled, this,
            &PdfOperationSidePanel::refreshExtractPreview);
    connect(m_everyPageCheckBox, &QCheckBox::toggled, this, [this](bool checked) {
        Q_EMIT everyPageSplitToggled(checked);
        refreshSplitPreview();
    });
    connect(m_extractButton, &QPushButton::clicked, this,
            [this] { Q_EMIT extractRequested(m_combineCheckBox->isChecked(), outputDirectory()); });
    connect(m_splitButton, &QPushButton::clicked, this, [this] {
        Q_EMIT splitRequested(m_everyPageCheckBox->isChecked(), m_splitRows, outputDirectory());
    });

    setStyleSheet(panelStyle());
    // An option's text does not wrap: the panel is at least as wide as the longer one needs.
    int optionWidth = 0;
    for (QCheckBox *option : {m_combineCheckBox, m_everyPageCheckBox}) {
        option->ensurePolished();
        optionWidth = std::max(optionWidth, option->sizeHint().width());
    }
    setMinimumWidth(std::clamp(optionWidth + 2 * 22, minimumWidth(), maximumWidth()));
    m_extractButton->setEnabled(false);
    m_combineCheckBox->setEnabled(false);
    m_splitButton->setEnabled(false);
    hide();
}

PdfOperationSidePanel::~PdfOperationSidePanel() = default;

QWidget *PdfOperationSidePanel::buildPage(const QString &title, const QString &optionsHeading,
                                          QCheckBox *option, const QString &previewHeading,
                                          QListWidget *preview, FileLocationSelector *location,
                                          QPushButton *action)
{
    auto *page = new QWidget;
    page->setAttribute(Qt::WA_StyledBackground, true);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(22, 22, 22, 22);
    layout->setSpacing(14);

    option->setTristate(false);
    option->setProperty("pdfOptionCheckBox", true);
    option->setCursor(Qt::PointingHandCursor);
    preview->setSelectionMode(QAbstractItemView::NoSelection);
    preview->setFocusPolicy(Qt::NoFocus);
    preview->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Hints and long file names wrap instead of being cut off in the narrow panel, also after
    // the panel was resized.
    preview->setWordWrap(true);
    preview->setResizeMode(QListView::Adjust);
    action->setCursor(Qt::PointingHandCursor);

    layout->addWidget(label(title, u"pdfOptionTitle"_s));
    layout->addWidget(label(optionsHeading, u"pdfOptionSectionTitle"_s));
    layout->addWidget(option);
    layout->addWidget(label(previewHeading, u"pdfOptionSectionTitle"_s));
    // The list takes the room first (the extract list only up to its limit).
    layout->addWidget(preview, 1);
    layout->addStretch(0);
    layout->addWidget(label(tr("文件位置"), u"pdfOptionSectionTitle"_s));
    layout->addWidget(location);
    layout->addWidget(action);
    return page;
}

void PdfOperationSidePanel::setDocumentModel(PdfDocumentModel *model)
{
    if (model == m_model)
        return;
    if (m_model)
        m_model->disconnect(this);
    m_model = model;
    m_lastDocumentPath = model ? model->documentPath() : QString();
    if (model) {
        connect(model, &PdfDocumentModel::selectionChanged, this,
                &PdfOperationSidePanel::refreshExtractPreview);
        connect(model, &QAbstractItemModel::modelReset, this, [this] {
            // Undo and redo reset the model too; only another document forgets the folder.
            if (m_model->documentPath() != m_lastDocumentPath) {
                m_lastDocumentPath = m_model->documentPath();
                m_customOutputFolder.clear();
                m_splitRows.clear();
            }
            refreshExtractPreview();
            refreshSplitPreview();
        });
        // Saved under another name: the previews and the default folder follow the file, and
        // the choices made for this document stay.
        connect(model, &PdfDocumentModel::documentPathChanged, this, [this](const QString &path) {
            m_lastDocumentPath = path;
            refreshExtractPreview();
            refreshSplitPreview();
        });
        // Page numbers of the selected pages shift with every structural change.
        const auto structureChanged = [this] {
            refreshExtractPreview();
            refreshSplitPreview();
        };
        connect(model, &PdfDocumentModel::pageListChanged, this, structureChanged);
    }
    refreshExtractPreview();
    refreshSplitPreview();
}

void PdfOperationSidePanel::setWorkspaceMode(PdfWorkspaceMode mode)
{
    switch (mode) {
    case PdfWorkspaceMode::Extract:
        m_pages->setCurrentWidget(m_extractPage);
        show();
        refreshExtractPreview();
        break;
    case PdfWorkspaceMode::Split:
        m_pages->setCurrentWidget(m_splitPage);
        show();
        refreshSplitPreview();
        break;
    default:
        hide();
        break;
    }
}

void PdfOperationSidePanel::setSplitPoints(const QList<int> &beforeRows)
{
    QList<int> rows = beforeRows;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    m_splitRows = rows;
    refreshSplitPreview();
}

QString PdfOperationSidePanel::outputDirectory() const
{
    if (!m_customOutputFolder.isEmpty())
        return m_customOutputFolder;
    return documentFolder();
}

QString PdfOperationSidePanel::documentFolder() const
{
    if (!m_model)
        return QString();
    return PdfExtractSplitWriter::documentFolder(m_model->documentPath());
}

void PdfOperationSidePanel::onLocationChanged(FileLocationSelector *selector)
{
    m_customOutputFolder = selector->isSourceFolder() ? QString() : selector->directory();
    refreshExtractPreview();
    refreshSplitPreview();
}

void PdfOperationSidePanel::alignSelectors()
{
    const QString folder = documentFolder();
    for (FileLocationSelector *selector : {m_extractLocation, m_splitLocation}) {
        const QSignalBlocker blocker(selector);
        selector->setSourceFolder(folder);
        selector->setDirectory(m_customOutputFolder);
    }
}

void PdfOperationSidePanel::addHint(QListWidget *list, const QString &text)
{
    auto *item = new QListWidgetItem(text, list);
    item->setForeground(Theme::color(Theme::textMuted));
}

void PdfOperationSidePanel::refreshExtractPreview()
{
    if (!m_model)
        return;
    const QList<int> rows = m_model->selectedRows();
    if (rows.size() < 2) {
        const QSignalBlocker blocker(m_combineCheckBox);
        m_combineCheckBox->setChecked(false);
    }
    m_combineCheckBox->setEnabled(rows.size() >= 2);
    m_extractButton->setEnabled(!rows.isEmpty());

    alignSelectors();
    m_extractPreview->clear();
    if (rows.isEmpty()) {
        addHint(m_extractPreview, tr("请先选择要提取的页面"));
        return;
    }
    const bool combine = m_combineCheckBox->isChecked();
    const QString base = PdfExtractSplitWriter::baseName(m_model->documentPath());
    const QList<PdfExtractSplitWriter::OutputFile> files =
        PdfExtractSplitWriter::extractionPlan(*m_model, combine, outputDirectory());
    for (const PdfExtractSplitWriter::OutputFile &file : files) {
        const QString name = QFileInfo(file.path).fileName();
        if (!combine) {
            const int page = file.rows.first() + 1;
            // A name moved off a source file is shown as it will be written.
            const QString text = name == u"%1-%2.pdf"_s.arg(base, QString::number(page))
                                     ? tr("%1-%2.pdf\n第 %2 页").arg(base, QString::number(page))
                                     : tr("%1\n第 %2 页").arg(name, QString::number(page));
            new QListWidgetItem(text, m_extractPreview);
            continue;
        }
        QStringList numbers;
        numbers.reserve(file.rows.size());
        for (int row : file.rows)
            numbers.append(QString::number(row + 1));
        const QString pages = numbers.join(u", "_s);
        const QString text = name == base + u"-extracted.pdf"_s
                                 ? tr("%1-extracted.pdf\n页面 %2").arg(base, pages)
                                 : tr("%1\n页面 %2").arg(name, pages);
        new QListWidgetItem(text, m_extractPreview);
    }
}

void PdfOperationSidePanel::refreshSplitPreview()
{
    if (!m_model)
        return;
    const int count = m_model->pageCount();
    const bool everyPage = m_everyPageCheckBox->isChecked();
    const QList<int> boundaries =
        PdfExtractSplitWriter::splitBoundaries(count, everyPage, m_splitRows);
    m_splitButton->setEnabled(!boundaries.isEmpty());

    alignSelectors();
    m_splitPreview->clear();
    if (boundaries.isEmpty()) {
        addHint(m_splitPreview, tr("点击页面之间的虚线，可以自定义拆分文件。"));
        return;
    }
    const QString base = PdfExtractSplitWriter::baseName(m_model->documentPath());
    const QList<PdfExtractSplitWriter::OutputFile> files =
        PdfExtractSplitWriter::splitPlan(*m_model, everyPage, m_splitRows, outputDirectory());
    for (int part = 0; part < files.size(); ++part) {
        const PdfExtractSplitWriter::OutputFile &file = files.at(part);
        const QString name = QFileInfo(file.path).fileName();
        const int first = file.rows.first() + 1;
        const int last = file.rows.last() + 1;
        const QString text =
            name == u"%1-%2.pdf"_s.arg(base, QString::number(part + 1))
                ? tr("%1-%2.pdf\n页面 %3-%4")
                      .arg(base, QString::number(part + 1), QString::number(first),
                           QString::number(last))
                : tr("%1\n页面 %2-%3").arg(name, QString::number(first), QString::number(last));
        new QListWidgetItem(text, m_splitPreview);
    }
}

PdfDocumentModel *PdfOperationSidePanel::documentModel() const
{
    return m_model;
}
