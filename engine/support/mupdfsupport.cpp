#include "mupdfsupport.h"

#include "allocatortuning.h"
#include "filestamp.h"
#include "pathidentity.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSysInfo>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

extern "C" {
#include <mupdf/fitz.h>
#include <mupdf/pdf.h>
}

Q_LOGGING_CATEGORY(lcMupdf, "velmora.engine.mupdf", QtWarningMsg)

namespace mupdf {
namespace {

constexpr int kCachedDocumentsPerThread = 4;
// Each page looked up walks the tree from its root, on a flat tree through every kid ahead of
// it: more than a few pages are read in one walk. (MuPDF 1.21's page map would make lookups
// cheap, but each page loaded through it leaks a reference to the page object.)
constexpr int kFewPages = 256;
// Decoded images and fonts of one thread's documents; page images are cached by the callers.
// Each thread has a store of its own; on a 2,400-page manual 64 and 256 MiB render alike, so
// the smaller keeps memory down when several threads draw.
constexpr size_t kStoreBytes = size_t(64) << 20;

void logWarning(void *, const char *message)
{
    qCDebug(lcMupdf, "%s", message);
}

void lockMutex(void *user, int lock);
void unlockMutex(void *user, int lock);

// One thread's own MuPDF world: store, glyph cache and locks of its own, so render threads never
// wait on each other (every MuPDF allocation takes the allocation lock of its family). The root
// context does no work; contexts cloned from it (the thread's own, or a short-lived one another
// thread makes to let go of this thread's documents) share its store under its locks.
// MuPDF takes its locks millions of times a document, almost always from the family's own
// thread; an atomic flag costs a fraction of a mutex there. The rare waiter (another thread
// dropping this family's documents) yields rather than spins.
class FamilyLock
{
public:
    void lock()
    {
        for (int tries = 0; m_held.test_and_set(std::memory_order_acquire); ++tries) {
            if (tries >= 64)
                std::this_thread::yield();
        }
    }
    void unlock() { m_held.clear(std::memory_order_release); }

private:
    std::atomic_flag m_held;
};

struct Family
{
    std::array<FamilyLock, FZ_LOCK_MAX> locks;
    fz_locks_context lockContext{this, lockMutex, unlockMutex};
    fz_context *root = nullptr;

    Family()
    {
        root = fz_new_context(nullptr, &lockContext, kStoreBytes);
        if (!root)
            return;
        fz_set_warning_callback(root, logWarning, nullptr);
        fz_set_error_callback(root, logWarning, nullptr);
        int ok = 1;
        fz_try(root) fz_register_document_handlers(root);
        fz_catch(root) ok = 0;
        if (!ok) {
            fz_drop_context(root);
            root = nullptr;
        }
    }
    Family(const Family &) = delete;
    Family &operator=(const Family &) = delete;
    ~Family()
    {
        if (root)
            fz_drop_context(root);
    }
};

void lockMutex(void *user, int lock)
{
    static_cast<Family *>(user)->locks[static_cast<size_t>(lock)].lock();
}

void unlockMutex(void *user, int lock)
{
    static_cast<Family *>(user)->locks[static_cast<size_t>(lock)].unlock();
}

struct CachedDocument
{
    QString path;
    QString key; // absolute path, compared the way the file system compares names
    QByteArray stamp;
    QString password;
    pdf_document *doc = nullptr;
    bool treeChecked = true;
};

// A cached document taken from a thread, with the family it belongs to kept alive until dropped.
struct ReleasedDocument
{
    std::shared_ptr<Family> family;
    pdf_document *doc = nullptr;
};

struct ThreadState;

// Every thread's cache, so that a writer can make them all let go of a file it replaces. The
// mutex guards every cache's list and the set of paths being replaced.
struct CacheRegistry
{
    std::mutex mutex;
    std::set<ThreadState *> threads;
    std::map<QString, int> replacing;
    // What the last full walk of each file's page tree found, for the file as it was then.
    struct TreeRecord
    {
        QByteArray stamp;
        bool sound = false;
    };
    std::map<QString, TreeRecord> trees;
};

// Never destroyed: pool threads of other singletons may still end (and drop their caches)
// while static objects are torn down at exit.
CacheRegistry &registry()
{
    static CacheRegistry *instance = new CacheRegistry;
    return *instance;
}

QString cacheKey(const QFileInfo &info)
{
    return pathidentity::key(info.absoluteFilePath());
}

// Per-thread state: the thread's family, its working context and the documents it has open.
struct ThreadState
{
    std::shared_ptr<Family> family;
    fz_context *ctx = nullptr;
    std::list<CachedDocument> documents; // most recently used first

    ThreadState()
    {
        std::lock_guard<std::mutex> lock(registry().mutex);
        registry().threads.insert(this);
    }

    ~ThreadState()
    {
        std::list<CachedDocument> mine;
        {
            std::lock_guard<std::mutex> lock(registry().mutex);
            registry().threads.erase(this);
            mine.swap(documents);
        }
        if (!ctx)
            return;
        for (CachedDocument &entry : mine)
            pdf_drop_document(ctx, entry.doc);
        fz_drop_context(ctx);
    }
};

ThreadState &threadState()
{
    thread_local ThreadState state;
    if (!state.ctx) {
        allocator::tuneForDocuments();
        auto family = std::make_shared<Family>();
        fz_context *ctx = family->root ? fz_clone_context(family->root) : nullptr;
        if (ctx) {
            // Other threads read the family when they release documents of this thread.
            std::lock_guard<std::mutex> lock(registry().mutex);
            state.family = std::move(family);
            state.ctx = ctx;
        }
    }
    return state;
}

pdf_document *openRaw(fz_context *ctx, const char *path, char *error)
{
    pdf_document *doc = nullptr;
    fz_var(doc);
    fz_try(ctx)
    {
        doc = pdf_open_document(ctx, path);
        // Forces repair of broken trees now rather than on the first page.
        pdf_count_pages(ctx, doc);
    }
    fz_catch(ctx)
    {
        copyCaughtMessage(ctx, error);
        pdf_drop_document(ctx, doc);
        doc = nullptr;
    }
    return doc;
}

// 0 ok, 1 password required, 2 wrong password, -1 error
int authenticate(fz_context *ctx, pdf_document *doc, const char *password, char *error)
{
    int result = 0;
    fz_var(result);
    fz_try(ctx)
    {
        if (pdf_needs_password(ctx, doc)) {
            if (!password || !*password)
                result = 1;
            else if (!pdf_authenticate_password(ctx, doc, password))
                result = 2;
        }
    }
    fz_catch(ctx)
    {
        copyCaughtMessage(ctx, error);
        result = -1;
    }
    return result;
}

int countPages(fz_context *ctx, pdf_document *doc, char *error)
{
    int count = -1;
    fz_var(count);
    fz_try(ctx)
    {
        count = pdf_count_pages(ctx, doc);
    }
    fz_catch(ctx)
    {
        copyCaughtMessage(ctx, error);
        count = -1;
    }
    return count;
}

// How MuPDF's page lookup tells an inner node of the page tree from a page.
bool isPagesNode(fz_context *ctx, pdf_obj *node)
{
    pdf_obj *type = pdf_dict_get(ctx, node, PDF_NAME(Type));
    if (type)
        return pdf_name_eq(ctx, type, PDF_NAME(Pages));
    return pdf_dict_get(ctx, node, PDF_NAME(Kids)) && !pdf_dict_get(ctx, node, PDF_NAME(MediaBox));
}

struct TreeRepair
{
    int budget; // nodes left to visit; guards against cycles
    int dropped;
    int recounted;
    bool modify; // false: only look, so that a repair MuPDF starts on a missing object is done
};

// Drops kids that are lost (missing objects, empty inner nodes) and sets every /Count to the
// pages really below, so that counting, lookup and qpdf's walk of the kids all agree.
int repairNode(fz_context *ctx, pdf_obj *node, int depth, TreeRepair *repair)
{
    if (depth > 64 || --repair->budget < 0)
        fz_throw(ctx, FZ_ERROR_GENERIC, "page tree too deep or cyclic");
    pdf_obj *kids = pdf_dict_get(ctx, node, PDF_NAME(Kids));
    int total = 0;
    for (int i = pdf_array_len(ctx, kids) - 1; i >= 0; --i) {
        pdf_obj *kid = pdf_array_get(ctx, kids, i);
        int leaves = 0;
        if (!pdf_is_dict(ctx, kid))
            leaves = 0;
        else if (isPagesNode(ctx, kid))
            leaves = repairNode(ctx, kid, depth + 1, repair);
        else if (--repair->budget < 0)
            fz_throw(ctx, FZ_ERROR_GENERIC, "page tree too large or cyclic");
        else
            leaves = 1;
        if (leaves == 0) {
            if (repair->modify)
                pdf_array_delete(ctx, kids, i);
            ++repair->dropped;
        }
        total += leaves;
    }
    pdf_obj *count = pdf_dict_get(ctx, node, PDF_NAME(Count));
    if (!pdf_is_int(ctx, count) || pdf_to_int(ctx, count) != total) {
        ++repair->recounted;
        if (repair->modify)
            pdf_dict_put_int(ctx, node, PDF_NAME(Count), total);
    }
    return total;
}

// The number of pages after repairing the tree; -1 when there is no page tree, -2 when none
// of its pages survived, -3 on other errors (message in error).
int repairPageTree(fz_context *ctx, pdf_document *doc, char *error, bool *changed)
{
    *changed = false;
    int result = -3;
    fz_var(result);
    fz_try(ctx)
    {
        // Reading a missing object can make MuPDF rebuild the whole file, which replaces every
        // object held so far: look at the whole tree first, then change it.
        for (bool modify : {false, true}) {
            pdf_obj *root = pdf_dict_getp(ctx, pdf_trailer(ctx, doc), "Root/Pages");
            if (!pdf_is_dict(ctx, root) ||
                (!pdf_is_array(ctx, pdf_dict_get(ctx, root, PDF_NAME(Kids))) &&
                 !pdf_name_eq(ctx, pdf_dict_get(ctx, root, PDF_NAME(Type)), PDF_NAME(Pages)))) {
                result = -1;
                break;
            }
            TreeRepair repair{4 * pdf_xref_len(ctx, doc) + 1024, 0, 0, modify};
            const int pages = repairNode(ctx, root, 0, &repair);
            result = pages == 0 && repair.dropped > 0 ? -2 : pages;
            if (repair.dropped == 0 && repair.recounted == 0)
                break;
            *changed = true;
        }
    }
    fz_catch(ctx)
    {
        copyCaughtMessage(ctx, error);
        result = -3;
    }
    return result;
}

int isEncryptedRaw(fz_context *ctx, pdf_document *doc)
{
    int encrypted = 0;
    fz_var(encrypted);
    fz_try(ctx)
    {
        encrypted = pdf_dict_get(ctx, pdf_trailer(ctx, doc), PDF_NAME(Encrypt)) != nullptr;
    }
    fz_catch(ctx) encrypted = 0;
    return encrypted;
}

// Calls visit(page) for each leaf of the tree below node, in document order.
template<typename Visit>
void walkLeaves(fz_context *ctx, pdf_obj *node, int depth, int *budget, const Visit &visit)
{
    if (depth > 64 || --*budget < 0)
        fz_throw(ctx, FZ_ERROR_GENERIC, "page tree too deep or cyclic");
    pdf_obj *kids = pdf_dict_get(ctx, node, PDF_NAME(Kids));
    const int n = pdf_array_len(ctx, kids);
    for (int i = 0; i < n; ++i) {
        pdf_obj *kid = pdf_array_get(ctx, kids, i);
        if (isPagesNode(ctx, kid))
            walkLeaves(ctx, kid, depth + 1, budget, visit);
        else
            visit(kid);
    }
}

// Calls visit(index, page) for every page of the document in one walk of its tree, visiting at
// most budget nodes (a guard against cycles). Returns the number of pages, -1 on error.
template<typename Visit>
int walkPages(fz_context *ctx, pdf_document *doc, int budget, const Visit &visit)
{
    int found = -1;
    fz_var(found);
    fz_try(ctx)
    {
        int pages = 0;
        walkLeaves(ctx, pdf_dict_getp(ctx, pdf_trailer(ctx, doc), "Root/Pages"), 0, &budget,
                   [&visit, &pages](pdf_obj *page) { visit(pages++, page); });
        found = pages;
    }
    fz_catch(ctx) found = -1;
    return found;
}

// Sizes of all pages in one walk of the tree (looking pages up one by one is quadratic on the
// flat trees most writers produce). Returns the number of pages found, -1 on error.
int treeSizes(fz_context *ctx, pdf_document *doc, float *sizes, int capacity)
{
    return walkPages(ctx, doc, 4 * capacity + 1024, [ctx, sizes, capacity](int i, pdf_obj *page) {
        if (i >= capacity)
            return;
        fz_rect box;
        fz_matrix ctm;
        pdf_page_obj_transform(ctx, page, &box, &ctm);
        const fz_rect shown = fz_transform_rect(box, ctm);
        sizes[2 * i] = shown.x1 - shown.x0;
        sizes[2 * i + 1] = shown.y1 - shown.y0;
    });
}

// Annotations a reader does not list as comments.
bool unlisted(fz_context *ctx, pdf_obj *subtype)
{
    static const char *const names[] = {"Link",    "Widget",    "Popup",    "PrinterMark",
                                        "TrapNet", "Watermark", "3D",       "Screen",
                                        "Movie",   "Sound",     "RichMedia"};
    if (!pdf_is_name(ctx, subtype))
        return true;
    const char *name = pdf_to_name(ctx, subtype);
    return std::any_of(std::begin(names), std::end(names),
                       [name](const char *known) { return std::strcmp(name, known) == 0; });
}

bool carriesComments(fz_context *ctx, pdf_obj *page)
{
    pdf_obj *annots = pdf_dict_get(ctx, page, PDF_NAME(Annots));
    const int count = pdf_array_len(ctx, annots);
    for (int a = 0; a < count; ++a) {
        pdf_obj *annot = pdf_array_get(ctx, annots, a);
        if (pdf_is_dict(ctx, annot) && !unlisted(ctx, pdf_dict_get(ctx, annot, PDF_NAME(Subtype))))
            return true;
    }
    return false;
}

int pageBounds(fz_context *ctx, pdf_document *doc, int index, fz_rect *bounds, char *error)
{
    int ok = 1;
    fz_var(ok);
    fz_try(ctx)
    {
        pdf_obj *page = pdf_lookup_page_obj(ctx, doc, index);
        fz_rect box;
        fz_matrix ctm;
        pdf_page_obj_transform(ctx, page, &box, &ctm);
        *bounds = fz_transform_rect(box, ctm);
    }
    fz_catch(ctx)
    {
        copyCaughtMessage(ctx, error);
        ok = 0;
    }
    return ok;
}

int writeRepaired(fz_context *ctx, pdf_document *doc, fz_buffer **result, char *error)
{
    fz_buffer *buffer = nullptr;
    fz_output *out = nullptr;
    int ok = 1;
    fz_var(ok);
    fz_var(buffer);
    fz_var(out);
    fz_try(ctx)
    {
        buffer = fz_new_buffer(ctx, 1 << 16);
        out = fz_new_output_with_buffer(ctx, buffer);
        pdf_write_options options = pdf_default_write_options;
        options.do_encrypt = PDF_ENCRYPT_NONE;
        options.do_garbage = 1;
        pdf_write_document(ctx, doc, out, &options);
        fz_close_output(ctx, out);
    }
    fz_always(ctx)
    {
        fz_drop_output(ctx, out);
    }
    fz_catch(ctx)
    {
        copyCaughtMessage(ctx, error);
        fz_drop_buffer(ctx, buffer);
        buffer = nullptr;
        ok = 0;
    }
    *result = buffer;
    return ok;
}

QString text(const char *error)
{
    return QString::fromUtf8(error);
}

} // namespace

QByteArray fileStamp(const QString &path)
{
    return FileStamp::of(path).text();
}

fz_context *threadContext()
{
    return threadState().ctx;
}

fz_context *threadContext(QString *message)
{
    fz_context *ctx = threadContext();
    if (!ctx && message)
        *message = QStringLiteral("The PDF engine could not start.");
    return ctx;
}

DocumentRef::DocumentRef(fz_context *ctx, pdf_document *doc)
    : m_ctx(ctx)
    , m_doc(doc)
{}

namespace {

// Shorter trees are walked at once: it costs less than a later check.
constexpr int kDeferTreeCheckAbove = 256;

enum class TreeState { Unknown, Sound, Damaged };

// The caller holds the registry's mutex.
TreeState knownTree(const QString &key, const QByteArray &stamp)
{
    const auto it = registry().trees.find(key);
    if (it == registry().trees.end() || it->second.stamp != stamp)
        return TreeState::Unknown;
    return it->second.sound ? TreeState::Sound : TreeState::Damaged;
}

// Takes the cached copies of key out of every thread's cache (only those opened without a
// check when uncheckedOnly) and gives up the caches' references.
void dropCached(const QString &key, bool uncheckedOnly)
{
    std::vector<ReleasedDocument> released;
    {
        std::lock_guard<std::mutex> lock(registry().mutex);
        for (ThreadState *state : registry().threads) {
            for (auto it = state->documents.begin(); it != state->documents.end();) {
                auto next = std::next(it);
                if (it->key == key && (!uncheckedOnly || !it->treeChecked)) {
                    released.push_back({state->family, it->doc});
                    state->documents.erase(it);
                }
                it = next;
            }
        }
    }
    // A document a thread is drawing from stays open until that thread lets go of it. Each is
    // dropped through a context of its own family, made for the purpose, since the owner's
    // context belongs to the owner.
    for (ReleasedDocument &entry : released) {
        fz_context *ctx =
            entry.family && entry.family->root ? fz_clone_context(entry.family->root) : nullptr;
        if (!ctx)
            continue; // out of memory: the owner's copy closes when its thread ends
        pdf_drop_document(ctx, entry.doc);
        fz_drop_context(ctx);
    }
}

// A long tree whose first page is there; its /Count is believed until the tree is checked.
bool worthDeferring(fz_context *ctx, pdf_document *doc)
{
    int ok = 0;
    fz_var(ok);
    fz_try(ctx)
    {
        ok = pdf_count_pages(ctx, doc) > kDeferTreeCheckAbove &&
             pdf_is_dict(ctx, pdf_lookup_page_obj(ctx, doc, 0));
    }
    fz_catch(ctx) ok = 0;
    return ok != 0;
}

} // namespace

DocumentRef::DocumentRef(DocumentRef &&other) noexcept
    : m_ctx(other.m_ctx)
    , m_doc(other.m_doc)
    , m_treeChecked(other.m_treeChecked)
    , m_treeRepaired(other.m_treeRepaired)
{
    other.m_doc = nullptr;
}

DocumentRef &DocumentRef::operator=(DocumentRef &&other) noexcept
{
    if (this != &other) {
        if (m_doc)
            pdf_drop_document(m_ctx, m_doc);
        m_ctx = other.m_ctx;
        m_doc = other.m_doc;
        m_treeChecked = other.m_treeChecked;
        m_treeRepaired = other.m_treeRepaired;
        other.m_doc = nullptr;
    }
    return *this;
}

DocumentRef::~DocumentRef()
{
    if (m_doc)
        pdf_drop_document(m_ctx, m_doc);
}

DocumentRef openDocument(const QString &path, const QString &password, bool fresh,
                         OpenStatus *status, QString *message, TreeCheck check)
{
    ThreadState &state = threadState();
    fz_context *ctx = state.ctx;
    if (!ctx) {
        *status = OpenStatus::NoContext;
        *message = QStringLiteral("The PDF engine could not start (out of memory).");
        return {};
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        *status = OpenStatus::NotFound;
        *message = QStringLiteral("The file does not exist: %1").arg(path);
        return {};
    }
    if (!info.isFile()) {
        *status = OpenStatus::Corrupt;
        *message = QStringLiteral("Not a file: %1").arg(path);
        return {};
    }
    if (info.size() == 0) {
        *status = OpenStatus::Corrupt;
        *message = QStringLiteral("The file is empty: %1").arg(path);
        return {};
    }
    const QByteArray stamp = fileStamp(path);
    const QString key = cacheKey(info);
    if (!fresh) {
        std::lock_guard<std::mutex> lock(registry().mutex);
        const TreeState tree = knownTree(key, stamp);
        for (auto it = state.documents.begin(); it != state.documents.end(); ++it) {
            // An unchecked copy of a tree found damaged since reads other pages: not reused.
            if (it->key == key && it->password == password && it->stamp == stamp &&
                (it->treeChecked || tree != TreeState::Damaged)) {
                state.documents.splice(state.documents.begin(), state.documents, it);
                *status = OpenStatus::Ok;
                DocumentRef ref(ctx, pdf_keep_document(ctx, it->doc));
                ref.m_treeChecked = it->treeChecked;
                ref.m_treeRepaired = tree == TreeState::Damaged;
                return ref;
            }
        }
    }

    char error[ErrorTextSize] = {};
    pdf_document *doc = openRaw(ctx, QFile::encodeName(path).constData(), error);
    if (!doc) {
        *status = OpenStatus::Corrupt;
        *message = QStringLiteral("The file is damaged or not a PDF (%1).").arg(text(error));
        return {};
    }
    switch (authenticate(ctx, doc, password.toUtf8().constData(), error)) {
    case 0:
        break;
    case 1:
        pdf_drop_document(ctx, doc);
        *status = OpenStatus::PasswordRequired;
        *message = QStringLiteral("The document is protected by a password.");
        return {};
    case 2:
        pdf_drop_document(ctx, doc);
        *status = OpenStatus::WrongPassword;
        *message = QStringLiteral("The password is not correct.");
        return {};
    default:
        pdf_drop_document(ctx, doc);
        *status = OpenStatus::Corrupt;
        *message =
            QStringLiteral("The encryption of the file cannot be read (%1).").arg(text(error));
        return {};
    }
    TreeState tree;
    {
        std::lock_guard<std::mutex> lock(registry().mutex);
        tree = knownTree(key, stamp);
    }
    bool treeChecked = true;
    bool treeRepaired = tree == TreeState::Damaged;
    int pages = 0;
    if (tree == TreeState::Unknown && check == TreeCheck::Deferred && worthDeferring(ctx, doc)) {
        treeChecked = false;
    } else if (tree != TreeState::Sound) {
        // A tree known to be damaged is mended again in this copy; it is not walked otherwise.
        pages = repairPageTree(ctx, doc, error, &treeRepaired);
        if (tree == TreeState::Unknown) {
            {
                std::lock_guard<std::mutex> lock(registry().mutex);
                registry().trees[key] = {stamp, pages >= 0 && !treeRepaired};
            }
            if (pages < 0 || treeRepaired)
                dropCached(key, true);
        }
    }
    if (pages < 0) {
        pdf_drop_document(ctx, doc);
        *status = OpenStatus::Corrupt;
        if (pages == -1)
            *message = QStringLiteral("The file is damaged or incomplete: its list of pages "
                                      "cannot be found.");
        else if (pages == -2)
            *message = QStringLiteral("The file is damaged or incomplete: none of its pages "
                                      "can be read.");
        else
            *message =
                QStringLiteral("The page tree of the file is damaged (%1).").arg(text(error));
        return {};
    }

    *status = OpenStatus::Ok;
    DocumentRef ref(ctx, doc);
    ref.m_treeChecked = treeChecked;
    ref.m_treeRepaired = treeRepaired;
    if (fresh)
        return ref;
    std::list<CachedDocument> dropped;
    {
        std::lock_guard<std::mutex> lock(registry().mutex);
        // Replace stale copies of this path; the cache keeps its own reference.
        for (auto it = state.documents.begin(); it != state.documents.end();) {
            auto next = std::next(it);
            if (it->key == key && (it->stamp != stamp || it->password == password))
                dropped.splice(dropped.end(), state.documents, it);
            it = next;
        }
        // A file about to be replaced is not kept open, nor an unchecked copy of a tree found
        // damaged meanwhile.
        if (!registry().replacing.count(key) &&
            (treeChecked || knownTree(key, stamp) != TreeState::Damaged))
            state.documents.push_front(
                {path, key, stamp, password, pdf_keep_document(ctx, doc), treeChecked});
        while (state.documents.size() > kCachedDocumentsPerThread)
            dropped.splice(dropped.end(), state.documents, std::prev(state.documents.end()));
    }
    for (CachedDocument &entry : dropped)
        pdf_drop_document(ctx, entry.doc);
    return ref;
}

ReleasedPath::ReleasedPath(const QString &path)
    : m_key(cacheKey(QFileInfo(path)))
{
    {
        std::lock_guard<std::mutex> lock(registry().mutex);
        ++registry().replacing[m_key];
    }
    // No copy is cached from now on; those cached before go.
    dropCached(m_key, false);
}

ReleasedPath::~ReleasedPath()
{
    std::lock_guard<std::mutex> lock(registry().mutex);
    auto it = registry().replacing.find(m_key);
    if (it != registry().replacing.end() && --it->second <= 0)
        registry().replacing.erase(it);
}

int pageCount(const DocumentRef &doc)
{
    char error[ErrorTextSize] = {};
    return countPages(doc.context(), doc.get(), error);
}

bool isEncrypted(const DocumentRef &doc)
{
    return isEncryptedRaw(doc.context(), doc.get()) != 0;
}

bool pageSizes(const DocumentRef &doc, QList<QSizeF> *sizes, QString *message, int limit,
               int *count)
{
    char error[ErrorTextSize] = {};
    const int pages = countPages(doc.context(), doc.get(), error);
    if (pages < 0) {
        *message = text(error);
        return false;
    }
    if (count)
        *count = pages;
    const bool some = limit >= 0 && limit < pages;
    const int wanted = some ? limit : pages;
    sizes->clear();
    sizes->reserve(wanted);
    std::vector<float> dims(2 * static_cast<size_t>(wanted));
    // A few pages are looked up one by one; more than that, and the whole tree is walked once.
    const bool walked = (!some || wanted > kFewPages) && pages > 0 &&
                        treeSizes(doc.context(), doc.get(), dims.data(), wanted) == pages;
    for (int i = 0; i < wanted; ++i) {
        fz_rect bounds{0, 0, dims[2 * size_t(i)], dims[2 * size_t(i) + 1]};
        // A tree whose leaves disagree with its /Count is read the way rendering reads it.
        if (!walked && !pageBounds(doc.context(), doc.get(), i, &bounds, error)) {
            *message = QStringLiteral("Page %1 cannot be read (%2).").arg(i + 1).arg(text(error));
            return false;
        }
        double w = std::abs(bounds.x1 - bounds.x0);
        double h = std::abs(bounds.y1 - bounds.y0);
        if (!(w >= 1 && h >= 1) || !std::isfinite(w) || !std::isfinite(h)) {
            // MuPDF draws such pages at Letter size; report what will be drawn.
            w = 612;
            h = 792;
        }
        sizes->append(QSizeF(w, h));
    }
    return true;
}

int markedPages(const DocumentRef &doc, int *pageCount)
{
    fz_context *ctx = doc.context();
    int marked = 0;
    const int pages = walkPages(ctx, doc.get(), 4 * pdf_xref_len(ctx, doc.get()) + 1024,
                                [ctx, &marked](int, pdf_obj *page) {
                                    if (carriesComments(ctx, page))
                                        ++marked;
                                });
    if (pages < 0)
        return -1;
    if (pageCount)
        *pageCount = pages;
    return marked;
}

bool repairedCopy(const DocumentRef &doc, QByteArray *bytes, QString *message)
{
    char error[ErrorTextSize] = {};
    fz_buffer *buffer = nullptr;
    if (!writeRepaired(doc.context(), doc.get(), &buffer, error)) {
        *message = text(error);
        return false;
    }
    unsigned char *data = nullptr;
    const size_t length = fz_buffer_storage(doc.context(), buffer, &data);
    *bytes = QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(length));
    fz_drop_buffer(doc.context(), buffer);
    return true;
}

void copyCaughtMessage(fz_context *ctx, char *buffer)
{
    const char *text = fz_caught_message(ctx);
    std::strncpy(buffer, text && *text ? text : "unknown MuPDF error", ErrorTextSize - 1);
    buffer[ErrorTextSize - 1] = '\0';
}

namespace {

constexpr int MaxWidgets = 512;
constexpr int WidgetNameSize = 256;

struct RawWidget
{
    char name[WidgetNameSize];
    char onState[64];
    float x0, y0, x1, y1;
    int button;
};

void copyText(char *to, size_t size, const char *from)
{
    std::snprintf(to, size, "%s", from ? from : "");
}

int widgetsRaw(fz_context *ctx, pdf_document *doc, int index, RawWidget *widgets, int *count,
               char *error)
{
    pdf_page *page = nullptr;
    int ok = 1;
    fz_var(page);
    fz_var(ok);
    *count = 0;
    fz_try(ctx)
    {
        page = pdf_load_page(ctx, doc, index);
        const fz_rect bounds = fz_bound_page(ctx, reinterpret_cast<fz_page *>(page));
        for (pdf_annot *widget = pdf_first_widget(ctx, page); widget && *count < MaxWidgets;
             widget = pdf_next_widget(ctx, widget)) {
            RawWidget &out = widgets[*count];
            pdf_obj *field = pdf_annot_obj(ctx, widget);
            char *name = pdf_field_name(ctx, field);
            copyText(out.name, sizeof(out.name), name);
            fz_free(ctx, name);
            const enum pdf_widget_type type = pdf_widget_type(ctx, widget);
            out.button = type == PDF_WIDGET_TYPE_CHECKBOX      ? 1
                         : type == PDF_WIDGET_TYPE_RADIOBUTTON ? 2
                                                               : 0;
            copyText(out.onState, sizeof(out.onState),
                     out.button ? pdf_to_name(ctx, pdf_button_field_on_state(ctx, field)) : "");
            const fz_rect box = pdf_bound_widget(ctx, widget);
            out.x0 = box.x0 - bounds.x0;
            out.y0 = box.y0 - bounds.y0;
            out.x1 = box.x1 - bounds.x0;
            out.y1 = box.y1 - bounds.y0;
            ++*count;
        }
    }
    fz_always(ctx)
    {
        fz_drop_page(ctx, reinterpret_cast<fz_page *>(page));
    }
    fz_catch(ctx)
    {
        copyCaughtMessage(ctx, error);
        ok = 0;
    }
    return ok;
}

} // namespace

bool widgetBoxes(const DocumentRef &doc, int index, QList<WidgetBox> *boxes, QString *message)
{
    std::vector<RawWidget> raw(MaxWidgets);
    int count = 0;
    char error[ErrorTextSize] = {};
    if (!widgetsRaw(doc.context(), doc.get(), index, raw.data(), &count, error)) {
        *message = QString::fromUtf8(error);
        return false;
    }
    boxes->clear();
    for (int i = 0; i < count; ++i) {
        const RawWidget &w = raw[size_t(i)];
        boxes->append({QString::fromUtf8(w.name), QRectF(QPointF(w.x0, w.y0), QPointF(w.x1, w.y1)),
                       QString::fromUtf8(w.onState), w.button});
    }
    return true;
}

} // namespace mupdf
