#pragma once

#include "pdfeditorbackend.h"
#include "pdfpageentry.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class PdfDocumentModel;
class QUndoStack;

// Makes every page edit of one document undoable by whole-list snapshots. Edits go through
// here; page moves made by item views straight on the model are picked up from its
// notifications and folded into one step per event-loop turn.
class PdfUndoManager : public QObject
{
    Q_OBJECT

public:
    explicit PdfUndoManager(PdfDocumentModel *model, QObject *parent = nullptr);
    ~PdfUndoManager() override;

    QUndoStack *undoStack() const { return m_stack; }

    void clear();
    void setClean();
    // Lands a page move that still waits for its step.
    void commitPendingMove() { flushPendingMove(); }

    // Every page list the history can bring back, the current one included.
    QList<QList<PdfPageEntry>> historySnapshots() const;
    // Rewrites every page of the history through remap: its answer replaces the page, no answer
    // means the page can no longer be restored. Steps that would bring back such a page are
    // dropped together with all steps beyond them, so undo and redo never restore wrong pages;
    // the model itself is not touched. The clean point stays where it was when it is kept.
    using Remap = std::function<std::optional<PdfPageEntry>(const PdfPageEntry &)>;
    void rewriteHistory(const Remap &remap);

    QList<PdfPageId> duplicatePages(const QList<PdfPageId> &ids);
    PdfPageId insertBlankPage(int row, const QSizeF &size = QSizeF());
    bool insertPdf(const QString &path, int row, const QString &password, PdfBackendError *error,
                   QString *message);
    void removePages(const QList<PdfPageId> &ids);
    void rotatePages(const QList<PdfPageId> &ids, int degrees);
    bool setPageNumbering(const PdfPageNumbering &numbering);
    // The pages read from a file in replacements read the file it names instead, page for
    // page (a new version of that file), as one undo step named text; false when no page
    // reads one of them.
    bool replaceSourceFiles(const QString &text, const QHash<QString, QString> &replacements);
    // One step named text (pdfannotationedits.cpp).
    bool setPageAnnotations(PdfPageId id, const QList<PdfAnnotation> &annotations,
                            const QList<int> &hidden, const QString &text);
    bool setPageFieldValues(PdfPageId id, const QMap<QString, QString> &values);
    // The document information before and after an edit, as one step; false when equal.
    bool setDocumentMetadata(const PdfDocumentMetadata &before, const PdfDocumentMetadata &after);

private:
    void pushSnapshot(const QString &text, const QList<PdfPageEntry> &before,
                      quint64 beforeRevision);
    // Runs edit on the model (a pending move recorded first) and records what it changed as one
    // step named text; nothing is recorded when the model did not change. Answers edit's answer,
    // or failed without a model.
    template<typename Result, typename Edit>
    Result record(const QString &text, Result failed, Edit edit)
    {
        if (!hasModel())
            return failed;
        const Before before = beginStep();
        Result result = edit(model());
        pushSnapshot(text, before.pages, before.revision);
        return result;
    }
    struct Before
    {
        QList<PdfPageEntry> pages;
        quint64 revision = 0;
    };
    // The model as a step begins: a pending move recorded first.
    Before beginStep();
    PdfDocumentModel &model() const;
    bool hasModel() const;
    void beginMove();
    void flushPendingMove();

    QPointer<PdfDocumentModel> m_model;
    QUndoStack *m_stack = nullptr;
    QList<PdfPageEntry> m_pendingMoveSnapshot;
    quint64 m_pendingMoveRevision = 0;
    bool m_movePending = false;
    // Set while the stack is rebuilt: its steps then leave the model alone.
    bool m_quiet = false;
};
