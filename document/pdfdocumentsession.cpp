#include "pdfdocumentsession.h"

#include "filechangewatcher.h"
#include "jobrunner.h"
#include "pathidentity.h"
#include "pdfdocumentmodel.h"
#include "pdffileregistry.h"
#include "pdfrendermanager.h"
#include "pdfsignaturestatus.h"
#include "pdfundomanager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

bool isPasswordError(PdfBackendError error)
{
    return error == PdfBackendError::PasswordRequired || error == PdfBackendError::WrongPassword;
}

} // namespace

struct PdfDocumentSession::SaveJob
{
    QString target;
    QList<PdfSourcePage> pages;
    PdfWriteOptions options;
    QString keep; // where the target as it was goes first, for the history
    bool kept = false;
    bool ok = false;
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
};

PdfDocumentSession::PdfDocumentSession(QObject *parent, PdfFileRegistry *registry)
    : QObject(parent)
    , m_registry(registry ? registry : PdfFileRegistry::instance())
{
    m_model = new PdfDocumentModel(this);
    m_renderManager = new PdfRenderManager(this);
    m_undoManager = new PdfUndoManager(m_model, this);
    m_signatures = new PdfSignatureStatus(m_model, this);

    m_watcher = new FileChangeWatcher(this);
    // A file this program is writing changes on purpose: looked at again once it is done.
    m_watcher->setBusyCheck([this](const QString &path) {
        return m_registry->isBeingWritten(path) ||
               (m_saving && cachedKey(path) == cachedKey(m_job->target));
    });
    connect(m_watcher, &FileChangeWatcher::fileChanged, this, [this](const QString &path) {
        Q_EMIT fileChangedOnDisk(path, cachedKey(path) == documentKey());
    });
    // Inserted files are watched as soon as the pages read them.
    connect(m_model, &PdfDocumentModel::pageOrderChanged, this, &PdfDocumentSession::watchFiles);
    connect(m_model, &PdfDocumentModel::documentReset, this, &PdfDocumentSession::watchFiles);
    m_registry->add(this);
}

PdfDocumentSession::~PdfDocumentSession()
{
    m_registry->remove(this);
    if (m_saving) {
        m_writer.waitForFinished();
        m_registry->endWrite(m_job->target);
    }
    // No late render result may reach a view that is being torn down.
    m_renderManager->cancelPending();
}

QString PdfDocumentSession::documentPath() const
{
    return m_model->documentPath();
}

QString PdfDocumentSession::documentKey() const
{
    return cachedKey(m_model->documentPath());
}

bool PdfDocumentSession::isModified() const
{
    return m_model->isModified();
}

PdfWriteOptions PdfDocumentSession::writeOptions() const
{
    PdfWriteOptions options;
    options.protectionSource = m_model->documentPath();
    options.protectionPassword = m_model->documentPassword();
    options.metadata = m_model->metadataEdits();
    return options;
}

QStringList PdfDocumentSession::referencedFiles() const
{
    QSet<QString> paths;
    if (!m_model->documentPath().isEmpty())
        paths.insert(m_model->documentPath());
    for (const QList<PdfPageEntry> &entries : m_undoManager->historySnapshots()) {
        for (const PdfPageEntry &entry : entries) {
            if (!entry.sourcePath.isEmpty())
                paths.insert(entry.sourcePath);
        }
    }
    return paths.values();
}

bool PdfDocumentSession::usesFile(const QString &fileKey) const
{
    if (fileKey.isEmpty())
        return false;
    for (const QString &path : referencedFiles()) {
        if (cachedKey(path) == fileKey)
            return true;
    }
    return false;
}

QString PdfDocumentSession::cachedKey(const QString &path) const
{
    if (path.isEmpty())
        return QString();
    auto it = m_keys.constFind(path);
    if (it == m_keys.constEnd())
        it = m_keys.insert(path, pathidentity::key(path));
    return *it;
}

std::optional<QString> PdfDocumentSession::askPassword(PasswordPrompt prompt) const
{
    if (!m_passwordProvider)
        return std::nullopt;
    return m_passwordProvider(prompt);
}

PdfDocumentSession::Result PdfDocumentSession::tryPasswords(const QString &password,
                                                            PasswordPrompt prompt, Failure &out,
                                                            const Attempt &attempt) const
{
    out = Failure();
    bool done = attempt(password, out);
    while (!done && isPasswordError(out.error)) {
        const std::optional<QString> answer = askPassword(
            out.error == PdfBackendError::WrongPassword ? PasswordPrompt::WrongPassword : prompt);
        if (!answer)
            return Result::Cancelled;
        out = Failure();
        done = attempt(*answer, out);
    }
    return done ? Result::Done : Result::Failed;
}

PdfDocumentSession::Result PdfDocumentSession::open(const QString &path, const QString &password,
                                                    Failure *failure)
{
    Failure local;
    Failure &out = failure ? *failure : local;
    if (path.isEmpty())
        return Result::Failed;

    m_renderManager->cancelPending();
    m_renderManager->clearCache();
    const Result result = tryPasswords(
        password, PasswordPrompt::Encrypted, out, [&](const QString &attempt, Failure &tried) {
            return m_model->loadDocument(path, attempt, &tried.error, &tried.message);
        });
    if (result != Result::Done)
        return result;

    m_keys.clear();
    m_undoManager->clear();
    watchFiles();
    m_signatures->refresh();
    return Result::Done;
}

PdfDocumentSession::Result PdfDocumentSession::insertFile(const QString &path, int row,
                                                          int *pagesAdded, Failure *failure)
{
    Failure local;
    Failure &out = failure ? *failure : local;
    const int before = m_model->pageCount();
    const Result result = tryPasswords(QString(), PasswordPrompt::InsertedEncrypted, out,
                                       [&](const QString &attempt, Failure &tried) {
                                           return m_undoManager->insertPdf(
                                               path, row, attempt, &tried.error, &tried.message);
                                       });
    if (result != Result::Done)
        return result;
    if (pagesAdded)
        *pagesAdded = m_model->pageCount() - before;
    watchFiles();
    return Result::Done;
}

QStringList PdfDocumentSession::modifiedTabsReplacedBy(const QString &path) const
{
    QStringList names;
    const QString key = pathidentity::key(path);
    for (PdfDocumentSession *other : m_registry->sessionsUsing(path, this)) {
        if (other->documentKey() == key && other->isModified())
            names.append(other->documentPath());
    }
    return names;
}

bool PdfDocumentSession::isWriting() const
{
    return m_saving && !m_writer.isFinished();
}

bool PdfDocumentSession::beginSave(const QString &path, Failure *failure)
{
    if (path.isEmpty() || m_model->pageCount() == 0 || m_saving)
        return false;
    m_undoManager->commitPendingMove();
    const QString target = QFileInfo(path).absoluteFilePath();

    // Other tabs must not keep page places in the file this save replaces: a tab whose document
    // it is loads it again afterwards; a tab that only reads pages of it keeps a private copy.
    m_reloadAfterSave.clear();
    const QString targetKey = pathidentity::key(target);
    for (PdfDocumentSession *other : m_registry->sessionsUsing(target, this)) {
        if (other->documentKey() == targetKey) {
            m_reloadAfterSave.append(other);
        } else if (QFileInfo::exists(target) && !other->detachFrom(target)) {
            if (failure) {
                failure->error = PdfBackendError::WriteFailed;
                failure->message = tr("另一个标签页正在使用“%1”，无法替换它。")
                                       .arg(QDir::toNativeSeparators(target));
            }
            m_reloadAfterSave.clear();
            return false;
        }
    }

    m_job = std::make_shared<SaveJob>();
    m_job->target = target;
    m_job->pages = m_model->sourcePages();
    m_job->options = writeOptions();
    m_job->options.flattenAnnotations = std::exchange(m_flattenNextSave, false);
    if (historyNeedsFileAsItWas(target))
        m_job->keep = stashPath(QFileInfo(target).fileName());
    m_saving = true;
    m_registry->beginWrite(target);
    const std::shared_ptr<SaveJob> job = m_job;
    m_writer = jobs::run(jobs::Lane::Writes, [job] {
        if (!job->keep.isEmpty())
            job->kept = QFile::copy(job->target, job->keep);
        job->ok = PdfEditorBackend::saveDocument(job->pages, job->target, job->options, &job->error,
                                                 &job->message);
    });
    return true;
}

bool PdfDocumentSession::endSave(Failure *failure)
{
    if (!m_saving)
        return false;
    m_writer.waitForFinished();
    m_writer = {};
    const std::shared_ptr<SaveJob> job = std::exchange(m_job, {});
    m_saving = false;
    m_registry->endWrite(job->target);
    const QList<QPointer<PdfDocumentSession>> reload = std::exchange(m_reloadAfterSave, {});

    if (!job->ok) {
        if (job->kept)
            QFile::remove(job->keep);
        if (failure) {
            failure->error = job->error;
            failure->message = job->message;
        }
        return false;
    }
    m_keys.clear();
    rebindOnSaved(job->target, job->kept ? job->keep : QString());
    for (PdfDocumentSession *session : m_registry->sessions())
        session->noteWritten(job->target);
    for (const QPointer<PdfDocumentSession> &other : reload) {
        if (other)
            other->reloadReplacedDocument();
    }
    m_signatures->refresh();
    return true;
}

bool PdfDocumentSession::saveAs(const QString &path, Failure *failure)
{
    if (!beginSave(path, failure))
        return false;
    return endSave(failure);
}

bool PdfDocumentSession::inspectSaved(const QString &path, PdfDocumentInfo *info,
                                      QString *password) const
{
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    for (const QString &attempt : {m_model->documentPassword(), QString()}) {
        if (PdfEditorBackend::inspectDocument(path, attempt, info, &error, &message)) {
            *password = attempt;
            return true;
        }
    }
    return false;
}

QHash<QPair<QString, int>, PdfDocumentSession::SavedPlace>
PdfDocumentSession::savedPlaces(const QList<PdfPageEntry> &pages) const
{
    QHash<QPair<QString, int>, SavedPlace> places;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const PdfPageEntry &entry = pages.at(i);
        if (entry.sourcePath.isEmpty())
            continue;
        const QPair<QString, int> place{cachedKey(entry.sourcePath), entry.sourcePageIndex};
        if (!places.contains(place))
            places.insert(place, {int(i), entry.rotation, entry.numbering, entry.annotations,
                                  entry.hiddenAnnotations, entry.fieldValues});
    }
    return places;
}

// True when the saved page shows the entry: the numbers, annotations and form values written
// into it are the entry's own.
bool PdfDocumentSession::SavedPlace::shows(const PdfPageEntry &entry) const
{
    return (!numbering.enabled || entry.numbering == numbering) &&
           entry.annotations == annotations && entry.hiddenAnnotations == hiddenAnnotations &&
           entry.fieldValues == fieldValues;
}

bool PdfDocumentSession::historyNeedsFileAsItWas(const QString &target) const
{
    if (!QFileInfo::exists(target) || m_undoManager->undoStack()->count() == 0)
        return false;
    const QString targetKey = cachedKey(target);
    const QHash<QPair<QString, int>, SavedPlace> places = savedPlaces(m_model->pages());
    for (const QList<PdfPageEntry> &entries : m_undoManager->historySnapshots()) {
        for (const PdfPageEntry &entry : entries) {
            if (entry.sourcePath.isEmpty() || cachedKey(entry.sourcePath) != targetKey)
                continue;
            const auto place = places.constFind({targetKey, entry.sourcePageIndex});
            if (place == places.constEnd() || !place->shows(entry))
                return true;
        }
    }
    return false;
}

QString PdfDocumentSession::stashPath(const QString &fileName)
{
    if (!m_stash) {
        m_stash = std::make_unique<QTemporaryDir>();
        if (!m_stash->isValid()) {
            m_stash.reset();
            return {};
        }
    }
    return m_stash->filePath(
        u"%1-%2"_s.arg(QString::number(QDir(m_stash->path()).count()), fileName));
}

void PdfDocumentSession::rebindOnSaved(const QString &target, const QString &keptCopy)
{
    // Page i of the document is now page i of the saved file, with its rotation written into
    // it: the pages no longer need the files they came from.
    PdfDocumentInfo info;
    QString password;
    const QList<PdfPageEntry> current = m_model->pages();
    m_renderManager->cancelPending();
    m_renderManager->clearCache();
    if (!inspectSaved(target, &info, &password) || info.pageSizes.size() != current.size()) {
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        m_model->loadDocument(target, password, &error, &message);
        m_undoManager->clear();
        if (!keptCopy.isEmpty())
            QFile::remove(keptCopy);
        watchFiles();
        return;
    }

    // Where each source page went: its row in the saved file, the rotation and the page
    // numbers written there.
    const QHash<QPair<QString, int>, SavedPlace> places = savedPlaces(current);
    QList<PdfPageEntry> rebound = current;
    for (qsizetype i = 0; i < current.size(); ++i) {
        PdfPageEntry &saved = rebound[i];
        saved.sourcePath = target;
        saved.password = password;
        saved.sourcePageIndex = int(i);
        saved.rotation = 0;
        saved.pageSize = info.pageSizes.at(i);
        saved.origin = PdfPageOrigin::Loaded;
        saved.edited = false;
        // The file holds the numbers now; drawing them again would show them twice.
        saved.numbering = {};
        saved.stampText.clear();
        // Annotations are the file's own now.
        saved.annotations.clear();
        saved.hiddenAnnotations.clear();
        saved.fieldValues.clear();
    }

    // The history follows: pages that went into the saved file as a step shows them are read
    // from there; other states of those pages, and pages of the file's old content that were
    // not saved, are read from the copy of the file as it was (or the file they came from).
    const QString targetKey = cachedKey(target);
    QHash<QString, bool> existing;
    const auto exists = [&existing](const QString &key, const QString &path) {
        auto it = existing.constFind(key);
        if (it == existing.constEnd())
            it = existing.insert(key, QFileInfo::exists(path));
        return *it;
    };
    m_undoManager->rewriteHistory([&](const PdfPageEntry &entry) -> std::optional<PdfPageEntry> {
        if (entry.origin == PdfPageOrigin::Blank || entry.sourcePath.isEmpty())
            return entry;
        const QString key = cachedKey(entry.sourcePath);
        const auto place = places.constFind({key, entry.sourcePageIndex});
        if (place != places.constEnd() && place->shows(entry)) {
            PdfPageEntry moved = entry;
            if (place->numbering.enabled) {
                moved.numbering = {};
                moved.stampText.clear();
            }
            moved.annotations.clear();
            moved.hiddenAnnotations.clear();
            moved.fieldValues.clear();
            moved.sourcePath = target;
            moved.password = password;
            moved.sourcePageIndex = place->row;
            moved.rotation = PdfDocumentModel::normalizedRotation(entry.rotation - place->rotation);
            moved.pageSize = info.pageSizes.at(place->row);
            return moved;
        }
        if (key == targetKey) {
            if (keptCopy.isEmpty())
                return std::nullopt;
            PdfPageEntry old = entry;
            old.sourcePath = keptCopy;
            return old;
        }
        if (!exists(key, entry.sourcePath))
            return std::nullopt;
        return entry;
    });
    m_model->restoreSnapshot(rebound, false);
    m_model->markSaved(target);
    m_undoManager->setClean();
    if (!keptCopy.isEmpty() && !usesFile(cachedKey(keptCopy)))
        QFile::remove(keptCopy);
    m_watcher->rewatch(target);
    watchFiles();
}

bool PdfDocumentSession::detachFrom(const QString &path)
{
    const QString copy = stashPath(QFileInfo(path).fileName());
    if (copy.isEmpty() || !QFile::copy(path, copy))
        return false;
    rebindFiles({{pathidentity::key(path), copy}});
    return true;
}

void PdfDocumentSession::rebindFiles(const QHash<QString, QString> &replacements)
{
    const auto remap = [&](const PdfPageEntry &entry) -> std::optional<PdfPageEntry> {
        const auto to = replacements.constFind(cachedKey(entry.sourcePath));
        if (entry.sourcePath.isEmpty() || to == replacements.constEnd())
            return entry;
        PdfPageEntry moved = entry;
        moved.sourcePath = *to;
        return moved;
    };
    m_undoManager->rewriteHistory(remap);
    QList<PdfPageEntry> entries = m_model->pages();
    bool changed = false;
    for (PdfPageEntry &entry : entries) {
        const PdfPageEntry moved = *remap(entry);
        changed = changed || moved.sourcePath != entry.sourcePath;
        entry = moved;
    }
    if (changed)
        m_model->restoreSnapshot(entries, m_model->isModified());
    m_keys.clear();
    watchFiles();
}

void PdfDocumentSession::reloadReplacedDocument()
{
    const QString path = m_model->documentPath();
    const int before = m_model->pageCount();
    m_renderManager->cancelPending();
    m_renderManager->clearCache();
    Failure failure;
    bool first = true;
    const auto load = [&](const QString &attempt, Failure &tried) {
        if (m_model->loadDocument(path, attempt, &tried.error, &tried.message))
            return true;
        // The tab that saved over the file may have written it without the protection.
        if (!std::exchange(first, false) || attempt.isEmpty() || !isPasswordError(tried.error))
            return false;
        tried = Failure();
        return m_model->loadDocument(path, QString(), &tried.error, &tried.message);
    };
    const bool loaded = tryPasswords(m_model->documentPassword(), PasswordPrompt::Encrypted,
                                     failure, load) == Result::Done;
    if (!loaded && before > 0) {
        // The old page places are gone with the file; an empty document is all that is left.
        m_model->restoreSnapshot({}, false);
    }
    m_undoManager->clear();
    m_keys.clear();
    watchFiles();
    m_signatures->refresh();
    Q_EMIT documentReplaced();
}

PdfDocumentSession::Result PdfDocumentSession::reload(Failure *failure)
{
    const QString path = m_model->documentPath();
    if (path.isEmpty())
        return Result::Failed;
    // The model keeps its pages (and its modified flag) unless the file loads.
    return open(path, m_model->documentPassword(), failure);
}

void PdfDocumentSession::keepAfterExternalChange(const QString &path)
{
    // The page list stays; the pages of that file are drawn (and saved) as it now is.
    m_renderManager->cancelPending();
    m_renderManager->clearCache();
    const QString key = cachedKey(path);
    QList<PdfPageEntry> entries = m_model->pages();
    PdfDocumentInfo info;
    QString password;
    for (const PdfPageEntry &entry : std::as_const(entries)) {
        if (cachedKey(entry.sourcePath) == key) {
            password = entry.password;
            break;
        }
    }
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    if (PdfEditorBackend::inspectDocument(path, password, &info, &error, &message)) {
        for (PdfPageEntry &entry : entries) {
            if (cachedKey(entry.sourcePath) == key && entry.sourcePageIndex >= 0 &&
                entry.sourcePageIndex < info.pageSizes.size())
                entry.pageSize = info.pageSizes.at(entry.sourcePageIndex);
        }
        if (entries != m_model->pages())
            m_model->restoreSnapshot(entries, m_model->isModified());
    }
    m_model->invalidatePages();
}

void PdfDocumentSession::noteWritten(const QString &path)
{
    m_watcher->noteWritten(path);
}

void PdfDocumentSession::watchFiles()
{
    QSet<QString> wanted;
    if (!m_model->documentPath().isEmpty())
        wanted.insert(m_model->documentPath());
    for (const PdfDocumentModel::SourceFile &file : m_model->sourceFiles())
        wanted.insert(file.path);
    m_watcher->setFiles(wanted);
}
