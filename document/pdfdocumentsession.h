#pragma once

#include "pdfeditorbackend.h"
#include "pdfpageentry.h"

#include <QFuture>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class FileChangeWatcher;
class PdfDocumentModel;
class PdfFileRegistry;
class PdfRenderManager;
class PdfSignatureStatus;
class PdfUndoManager;
class QTemporaryDir;

// What one document tab does with files, without any widget: opening with passwords, inserting
// PDFs, saving on a worker thread, which files the pages are read from and what a save changes
// (its own pages, its undo history and the other tabs that read the replaced file). Questions
// to the user go through the password provider and the signals; the tab answers them.
class PdfDocumentSession : public QObject
{
    Q_OBJECT

public:
    enum class PasswordPrompt { Encrypted, InsertedEncrypted, WrongPassword };
    // The password the user gave, or no value when they cancelled.
    using PasswordProvider = std::function<std::optional<QString>(PasswordPrompt)>;
    enum class Result { Done, Cancelled, Failed };
    struct Failure
    {
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
    };

    explicit PdfDocumentSession(QObject *parent = nullptr, PdfFileRegistry *registry = nullptr);
    ~PdfDocumentSession() override;

    PdfDocumentModel *model() const { return m_model; }
    PdfUndoManager *undoManager() const { return m_undoManager; }
    PdfRenderManager *renderManager() const { return m_renderManager; }
    PdfFileRegistry *registry() const { return m_registry; }
    // Checked again whenever the document's file was opened or written.
    PdfSignatureStatus *signatureStatus() const { return m_signatures; }
    void setPasswordProvider(PasswordProvider provider)
    {
        m_passwordProvider = std::move(provider);
    }

    QString documentPath() const;
    QString documentKey() const;
    bool isModified() const;
    // Outputs of this document keep the protection of its file and the information given it.
    PdfWriteOptions writeOptions() const;
    // The next save draws annotations and form fields into the pages.
    void setFlattenNextSave(bool flatten) { m_flattenNextSave = flatten; }
    bool flattenNextSave() const { return m_flattenNextSave; }
    // Every file the pages or the undo history read, the document's own file included.
    QStringList referencedFiles() const;
    bool usesFile(const QString &fileKey) const;

    // Loads the document, asking for a password while one is needed. On failure or cancel the
    // previous document stays.
    Result open(const QString &path, const QString &password, Failure *failure);
    // Inserts the pages of one file before row as one undo step; pagesAdded tells how many.
    Result insertFile(const QString &path, int row, int *pagesAdded, Failure *failure);

    // Other tabs whose document is path and holds unsaved changes that a save to path would
    // drop (they reload the new file afterwards).
    QStringList modifiedTabsReplacedBy(const QString &path) const;

    // The save under way (finished when there is none).
    QFuture<void> writing() const { return m_writer; }
    // Starts writing the pages to path on a worker thread (see writing(); endSave waits for it).
    // False when there is nothing to write, a save runs already, or the file cannot be replaced
    // (failure says why).
    bool beginSave(const QString &path, Failure *failure);
    bool isSaving() const { return m_saving; }
    bool isWriting() const;
    // Waits for the writer and applies the outcome: the pages then read the saved file.
    bool endSave(Failure *failure);
    // beginSave and endSave in one blocking call.
    bool saveAs(const QString &path, Failure *failure);

    // After the document's file changed on disk: load it again (edits are dropped), or keep
    // the page list and draw the pages from the file as it now is.
    Result reload(Failure *failure);
    void keepAfterExternalChange(const QString &path);

    // Called by other sessions through the registry.
    // The file is about to be replaced by another tab: read it from a private copy instead.
    bool detachFrom(const QString &path);
    // The document's file was replaced by another tab: show what it now holds.
    void reloadReplacedDocument();
    // The file was written by this program: its change on disk is no news.
    void noteWritten(const QString &path);

Q_SIGNALS:
    // A file the document reads was changed by another program.
    void fileChangedOnDisk(const QString &path, bool isDocument);
    // Another tab saved over the document's file; the document now shows that file.
    void documentReplaced();

private:
    struct SaveJob;
    // Where a save puts a source page: its row and what was written into it.
    struct SavedPlace
    {
        int row = 0;
        int rotation = 0;
        PdfPageNumbering numbering;
        QList<PdfAnnotation> annotations;
        QList<int> hiddenAnnotations;
        QMap<QString, QString> fieldValues;
        bool shows(const PdfPageEntry &entry) const;
    };
    using Attempt = std::function<bool(const QString &password, Failure &failure)>;

    // Runs the attempt with the password, then with each one the user gives while the file
    // refuses it: Cancelled when they stop asking, Failed for any other refusal.
    Result tryPasswords(const QString &password, PasswordPrompt prompt, Failure &out,
                        const Attempt &attempt) const;
    QString cachedKey(const QString &path) const;
    bool inspectSaved(const QString &path, PdfDocumentInfo *info, QString *password) const;
    QHash<QPair<QString, int>, SavedPlace> savedPlaces(const QList<PdfPageEntry> &pages) const;
    // True when some step of the history shows pages of target other than as the save writes
    // them, or pages a save over it drops.
    bool historyNeedsFileAsItWas(const QString &target) const;
    // A new name in the tab's private folder, empty when it cannot be made.
    QString stashPath(const QString &fileName);
    // keptCopy: the target as it was before the save, for the history; removed when unused.
    void rebindOnSaved(const QString &target, const QString &keptCopy);
    void rebindFiles(const QHash<QString, QString> &replacements);
    void watchFiles();
    std::optional<QString> askPassword(PasswordPrompt prompt) const;

    PdfFileRegistry *m_registry = nullptr;
    PdfDocumentModel *m_model = nullptr;
    PdfRenderManager *m_renderManager = nullptr;
    PdfUndoManager *m_undoManager = nullptr;
    PdfSignatureStatus *m_signatures = nullptr;
    PasswordProvider m_passwordProvider;

    bool m_saving = false;
    QFuture<void> m_writer;
    std::shared_ptr<SaveJob> m_job;
    QList<QPointer<PdfDocumentSession>> m_reloadAfterSave;

    FileChangeWatcher *m_watcher = nullptr;
    std::unique_ptr<QTemporaryDir> m_stash;
    mutable QHash<QString, QString> m_keys;
    bool m_flattenNextSave = false;
};
