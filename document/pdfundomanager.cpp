#include "pdfundomanager.h"

#include "pdfdocumentmodel.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace {

// A step that changes the document information instead of pages. Both sides are the values
// themselves, so that undoing after a save writes the earlier ones back.
struct MetadataChange
{
    PdfDocumentMetadata before;
    PdfDocumentMetadata after;
};

class PageSnapshotCommand : public QUndoCommand
{
public:
    PageSnapshotCommand(PdfDocumentModel *model, const QString &text,
                        const QList<PdfPageEntry> &before, const QList<PdfPageEntry> &after,
                        const bool *quiet)
        : QUndoCommand(text)
        , m_model(model)
        , m_before(before)
        , m_after(after)
        , m_quiet(quiet)
    {}

    const QList<PdfPageEntry> &before() const { return m_before; }
    const QList<PdfPageEntry> &after() const { return m_after; }
    const std::optional<MetadataChange> &metadata() const { return m_metadata; }
    void setMetadata(const std::optional<MetadataChange> &change) { m_metadata = change; }

    ~PageSnapshotCommand() override = default;

    void undo() override
    {
        if (!m_model || *m_quiet)
            return;
        if (m_metadata)
            m_model->setMetadataEdits(m_metadata->before);
        else
            m_model->restoreSnapshot(m_before, true);
    }

    void redo() override
    {
        // The push itself calls redo while the model already shows the edited list.
        if (m_skipFirstRedo) {
            m_skipFirstRedo = false;
            return;
        }
        if (!m_model || *m_quiet)
            return;
        if (m_metadata)
            m_model->setMetadataEdits(m_metadata->after);
        else
            m_model->restoreSnapshot(m_after, true);
    }

private:
    QPointer<PdfDocumentModel> m_model;
    QList<PdfPageEntry> m_before;
    QList<PdfPageEntry> m_after;
    std::optional<MetadataChange> m_metadata;
    bool m_skipFirstRedo = true;
    const bool *m_quiet;
};

} // namespace

PdfUndoManager::PdfUndoManager(PdfDocumentModel *model, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_stack(new QUndoStack(this))
{
    connect(m_stack, &QUndoStack::indexChanged, this, [this] {
        if (m_model && !m_quiet)
            m_model->setModified(!m_stack->isClean());
    });
    if (!model)
        return;
    connect(model, &QAbstractItemModel::rowsAboutToBeMoved, this, &PdfUndoManager::beginMove);
    connect(model, &QAbstractItemModel::rowsMoved, this, [this] {
        // Deferred so that the step is recorded after the view has finished its drop, and so
        // that several moves of one drop become one step.
        QMetaObject::invokeMethod(this, &PdfUndoManager::flushPendingMove, Qt::QueuedConnection);
    });
}

PdfUndoManager::~PdfUndoManager() = default;

void PdfUndoManager::clear()
{
    m_movePending = false;
    m_pendingMoveSnapshot.clear();
    m_stack->clear();
    if (m_model)
        m_model->setModified(false);
}

void PdfUndoManager::setClean()
{
    flushPendingMove();
    m_stack->setClean();
    if (m_model)
        m_model->setModified(false);
}

QList<PdfPageId> PdfUndoManager::duplicatePages(const QList<PdfPageId> &ids)
{
    return record(tr("复制页面"), QList<PdfPageId>(),
                  [&](PdfDocumentModel &model) { return model.duplicatePages(ids); });
}

PdfPageId PdfUndoManager::insertBlankPage(int row, const QSizeF &size)
{
    return record(tr("插入空白页"), PdfPageId(0),
                  [&](PdfDocumentModel &model) { return model.insertBlankPage(row, size); });
}

bool PdfUndoManager::insertPdf(const QString &path, int row, const QString &password,
                               PdfBackendError *error, QString *message)
{
    return record(tr("插入 PDF"), false, [&](PdfDocumentModel &model) {
        return model.insertPdf(path, row, password, error, message);
    });
}

void PdfUndoManager::removePages(const QList<PdfPageId> &ids)
{
    record(tr("删除页面"), false, [&](PdfDocumentModel &model) {
        model.removePages(ids);
        return true;
    });
}

void PdfUndoManager::rotatePages(const QList<PdfPageId> &ids, int degrees)
{
    record(degrees < 0 ? tr("向左旋转页面") : tr("向右旋转页面"), false,
           [&](PdfDocumentModel &model) {
               model.rotatePages(ids, degrees);
               return true;
           });
}

bool PdfUndoManager::setPageNumbering(const PdfPageNumbering &numbering)
{
    return record(numbering.enabled ? tr("添加页码") : tr("删除页码"), false,
                  [&](PdfDocumentModel &model) { return model.setPageNumbering(numbering); });
}

PdfUndoManager::Before PdfUndoManager::beginStep()
{
    flushPendingMove();
    return {m_model->pages(), m_model->revision()};
}

PdfDocumentModel &PdfUndoManager::model() const
{
    return *m_model;
}

bool PdfUndoManager::hasModel() const
{
    return !m_model.isNull();
}

void PdfUndoManager::pushSnapshot(const QString &text, const QList<PdfPageEntry> &before,
                                  quint64 beforeRevision)
{
    if (!m_model || m_model->revision() == beforeRevision)
        return;
    m_stack->push(new PageSnapshotCommand(m_model, text, before, m_model->pages(), &m_quiet));
}

bool PdfUndoManager::setDocumentMetadata(const PdfDocumentMetadata &before,
                                         const PdfDocumentMetadata &after)
{
    if (!m_model || before == after)
        return false;
    flushPendingMove();
    m_model->setMetadataEdits(after);
    const QList<PdfPageEntry> pages = m_model->pages();
    auto *step = new PageSnapshotCommand(m_model, tr("修改文档属性"), pages, pages, &m_quiet);
    step->setMetadata(MetadataChange{before, after});
    m_stack->push(step);
    return true;
}

bool PdfUndoManager::replaceSourceFiles(const QString &text,
                                        const QHash<QString, QString> &replacements)
{
    return record(text, false, [&](PdfDocumentModel &model) {
        QList<PdfPageEntry> after = model.pages();
        bool changed = false;
        for (PdfPageEntry &entry : after) {
            const auto to = replacements.constFind(entry.sourcePath);
            if (entry.sourcePath.isEmpty() || to == replacements.constEnd())
                continue;
            entry.sourcePath = *to;
            changed = true;
        }
        if (!changed)
            return false;
        model.restoreSnapshot(after, true);
        model.invalidatePages();
        return true;
    });
}

QList<QList<PdfPageEntry>> PdfUndoManager::historySnapshots() const
{
    QList<QList<PdfPageEntry>> lists;
    if (m_model)
        lists.append(m_model->pages());
    for (int i = 0; i < m_stack->count(); ++i) {
        const auto *step = static_cast<const PageSnapshotCommand *>(m_stack->command(i));
        lists.append(step->before());
        lists.append(step->after());
    }
    if (m_movePending)
        lists.append(m_pendingMoveSnapshot);
    return lists;
}

void PdfUndoManager::rewriteHistory(const Remap &remap)
{
    flushPendingMove();
    const int count = m_stack->count();
    if (count == 0)
        return;
    const auto rewrite =
        [&remap](const QList<PdfPageEntry> &entries) -> std::optional<QList<PdfPageEntry>> {
        QList<PdfPageEntry> out;
        out.reserve(entries.size());
        for (const PdfPageEntry &entry : entries) {
            std::optional<PdfPageEntry> mapped = remap(entry);
            if (!mapped)
                return std::nullopt;
            out.append(*mapped);
        }
        return out;
    };
    // State j is what the document shows with j steps done.
    QList<std::optional<QList<PdfPageEntry>>> states;
    QStringList texts;
    QList<std::optional<MetadataChange>> metadata;
    for (int i = 0; i < count; ++i) {
        const auto *step = static_cast<const PageSnapshotCommand *>(m_stack->command(i));
        if (i == 0)
            states.append(rewrite(step->before()));
        states.append(rewrite(step->after()));
        texts.append(step->text());
        metadata.append(step->metadata());
    }
    const int index = m_stack->index();
    const int clean = m_stack->cleanIndex();
    int low = index;
    int high = index;
    if (states.at(index)) {
        while (low > 0 && states.at(low - 1))
            --low;
        while (high < count && states.at(high + 1))
            ++high;
    }

    m_quiet = true;
    m_stack->clear();
    for (int i = low; i < high; ++i) {
        // The current state may itself be unrestorable; the steps around it still are.
        const QList<PdfPageEntry> before = states.at(i).value_or(QList<PdfPageEntry>());
        const QList<PdfPageEntry> after = states.at(i + 1).value_or(QList<PdfPageEntry>());
        auto *step = new PageSnapshotCommand(m_model, texts.at(i), before, after, &m_quiet);
        step->setMetadata(metadata.at(i));
        m_stack->push(step);
    }
    if (clean >= low && clean <= high) {
        m_stack->setIndex(clean - low);
        m_stack->setClean();
    } else {
        m_stack->resetClean();
    }
    m_stack->setIndex(index - low);
    m_quiet = false;
    if (m_model)
        m_model->setModified(!m_stack->isClean());
}

void PdfUndoManager::beginMove()
{
    if (m_movePending || !m_model)
        return;
    m_movePending = true;
    m_pendingMoveSnapshot = m_model->pages();
    m_pendingMoveRevision = m_model->revision();
}

// Also called before every other edit: a move still waiting for its queued step must land on
// the stack before the edit that follows it, or undo would unwind the two in the wrong order.
void PdfUndoManager::flushPendingMove()
{
    if (!m_movePending)
        return;
    m_movePending = false;
    const QList<PdfPageEntry> before = std::exchange(m_pendingMoveSnapshot, {});
    pushSnapshot(tr("移动页面"), before, m_pendingMoveRevision);
}
