#include "compression.h"

#include "batchsupport.h"
#include "compressionimages.h"
#include "mupdftools.h"
#include "pathidentity.h"
#include "qpdfsupport.h"
#include "stagedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <qpdf/Buffer.hh>
#include <qpdf/Pl_Discard.hh>
#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <string_view>
#include <vector>

using namespace batchsupport;

namespace compression {
namespace {

// Quality 70 with 4:2:0 chroma already beats Ghostscript's /ebook in both size and fidelity.
constexpr Level kBasic{150, 70};
constexpr Level kStrong{96, 60};

// ---------------------------------------------------------------------------------------------
// Structure

bool skipStream(QPDFObjectHandle dict)
{
    QPDFObjectHandle type = dict.getKey("/Type");
    return type.isNameAndEquals("/ObjStm") || type.isNameAndEquals("/XRef");
}

void replaceReferences(QPDFObjectHandle container,
                       const std::map<QPDFObjGen, QPDFObjectHandle> &map, int depth)
{
    if (depth > 64)
        return;
    if (container.isArray()) {
        const int count = container.getArrayNItems();
        for (int i = 0; i < count; ++i) {
            QPDFObjectHandle item = container.getArrayItem(i);
            if (item.isIndirect()) {
                auto found = map.find(item.getObjGen());
                if (found != map.end())
                    container.setArrayItem(i, found->second);
            } else if (item.isArray() || item.isDictionary()) {
                replaceReferences(item, map, depth + 1);
            }
        }
    } else if (container.isDictionary()) {
        for (const std::string &key : container.getKeys()) {
            QPDFObjectHandle item = container.getKey(key);
            if (item.isIndirect()) {
                auto found = map.find(item.getObjGen());
                if (found != map.end())
                    container.replaceKey(key, found->second);
            } else if (item.isArray() || item.isDictionary()) {
                replaceReferences(item, map, depth + 1);
            }
        }
    }
}

// Identical streams (same dictionary, same bytes) are written once.
void mergeDuplicateStreams(QPDF &pdf)
{
    std::map<std::string, std::vector<QPDFObjectHandle>> groups;
    std::vector<QPDFObjectHandle> all = pdf.getAllObjects();
    for (QPDFObjectHandle object : all) {
        if (!object.isStream() || skipStream(object.getDict()))
            continue;
        QPDFObjectHandle dict = object.getDict().shallowCopy();
        QPDFObjectHandle length = dict.getKey("/Length");
        dict.removeKey("/Length");
        std::string key = dict.unparse();
        key += '#';
        key += length.isInteger() ? std::to_string(length.getIntValue()) : std::string("?");
        groups[key].push_back(object);
    }
    std::map<QPDFObjGen, QPDFObjectHandle> duplicates;
    for (auto &[key, members] : groups) {
        if (members.size() < 2)
            continue;
        std::map<std::string, QPDFObjectHandle> byData;
        for (QPDFObjectHandle stream : members) {
            std::shared_ptr<Buffer> raw = stream.getRawStreamData();
            std::string data(reinterpret_cast<const char *>(raw->getBuffer()), raw->getSize());
            auto [it, fresh] = byData.emplace(std::move(data), stream);
            if (!fresh)
                duplicates.emplace(stream.getObjGen(), it->second);
        }
    }
    if (duplicates.empty())
        return;
    for (QPDFObjectHandle object : all)
        replaceReferences(object.isStream() ? object.getDict() : object, duplicates, 0);
    replaceReferences(pdf.getTrailer(), duplicates, 0);
}

void dropEditorData(QPDF &pdf, const std::vector<QPDFObjectHandle> &pages)
{
    pdf.getRoot().removeKey("/PieceInfo");
    for (QPDFObjectHandle page : pages) {
        page.removeKey("/PieceInfo");
        page.removeKey("/Thumb");
    }
}

bool plainFlate(QPDFObjectHandle dict)
{
    const std::vector<std::string> chain = filters(dict);
    if (chain.size() != 1 || chain.front() != "/FlateDecode")
        return false;
    QPDFObjectHandle parms = dict.getKey("/DecodeParms");
    if (parms.isArray())
        parms = parms.getArrayNItems() > 0 ? parms.getArrayItem(0) : QPDFObjectHandle::newNull();
    if (parms.isNull())
        return true;
    // Predictors make images compress far better; recompressing would lose them.
    QPDFObjectHandle predictor =
        parms.isDictionary() ? parms.getKey("/Predictor") : QPDFObjectHandle::newNull();
    return parms.isDictionary() &&
           (predictor.isNull() || (predictor.isInteger() && predictor.getIntValue() == 1));
}

// Flate streams are packed again at the highest level, on the fly while writing.
void recompressFlate(QPDF &pdf)
{
    for (QPDFObjectHandle stream : pdf.getAllObjects()) {
        if (!stream.isStream() || skipStream(stream.getDict()) || !plainFlate(stream.getDict()))
            continue;
        Pl_Discard discard;
        bool readable = false;
        try {
            readable = stream.pipeStreamData(&discard, 0, qpdf_dl_generalized, true);
        } catch (const std::exception &) {
            readable = false;
        }
        if (!readable)
            continue;
        QPDFObjectHandle original = stream.copyStream();
        stream.replaceStreamData(
            [original](Pipeline *pipeline, bool suppressWarnings, bool) mutable {
                return original.pipeStreamData(pipeline, 0, qpdf_dl_generalized, suppressWarnings);
            },
            QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
    }
}

void useBestFlateLevel()
{
    // The level is a process-wide setting of qpdf; every writer of the engine benefits.
    static std::once_flag once;
    std::call_once(once, [] { Pl_Flate::setCompressionLevel(9); });
}

bool run(const TaskRequest &request, const QString &source, const QString &target, bool replace,
         const Level &level, bool forceRepair, bool *damaged)
{
    *damaged = false;
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    const QString password = inputPassword(request.options, 0);
    std::shared_ptr<qpdfsupport::Source> input =
        qpdfsupport::open(source, password, forceRepair, &error, &message);
    if (!input)
        return fail(request, failureOf(error), source, message);
    // A repaired copy is decrypted; written out it would lose the file's protection.
    if (input->encrypted && !input->repairedBytes.isEmpty())
        return fail(request, BatchFailure::NotPdf, source,
                    QStringLiteral("the protected document is too damaged to keep its protection"));
    QPDF &pdf = *input->pdf;

    {
        mupdf::OpenStatus status;
        mupdf::DocumentRef doc =
            input->repairedBytes.isEmpty()
                ? mupdf::openDocument(source, password, true, &status, &message)
                : mupdftools::openMemory(input->repairedBytes, &message);
        const std::vector<QPDFObjectHandle> pages = pdf.getAllPages();
        mergeDuplicateStreams(pdf);
        if (doc) {
            // Pruning parses every content stream; it pays only where pictures go unused.
            for (QPDFObjectHandle page : rewriteImages(pdf, doc, level, pages)) {
                try {
                    QPDFPageObjectHelper(page).removeUnreferencedResources();
                } catch (const std::exception &) {
                }
            }
        }
        dropEditorData(pdf, pages);
    }
    recompressFlate(pdf);
    useBestFlateLevel();

    StagedFile staged(QFileInfo(target).absolutePath());
    if (!staged.isValid())
        return failStaged(request, staged);
    const bool written = qpdfsupport::writeStaged(
        pdf, staged.path(),
        [&pdf](QPDFWriter &writer) {
            writer.setObjectStreamMode(qpdf_o_generate);
            writer.setCompressStreams(true);
            writer.setDecodeLevel(qpdf_dl_generalized);
            // A decode level beyond none makes qpdf 11.3 write the file unencrypted unless its
            // encryption (algorithm, passwords, permissions) is copied explicitly.
            if (pdf.isEncrypted())
                writer.copyEncryptionParameters(pdf);
        },
        &error, &message, damaged);
    input.reset();
    if (!written && *damaged)
        return fail(request, BatchFailure::NotPdf, source, message);
    if (!written)
        return fail(request, writeFailureOf(error, staged.folder()), staged.folder(), message);

    const qint64 before = QFileInfo(source).size();
    const qint64 after = QFileInfo(staged.path()).size();
    if (after >= before) {
        // Nothing gained: the original bytes are the result.
        if (replace) {
            if (cancelRequested())
                return fail(request, BatchFailure::Cancelled, QString(),
                            QStringLiteral("cancelled"));
            outcome().writtenPath = source;
            return true;
        }
        if (!copyFile(source, staged.path(), &message))
            return fail(request, writeFailure(staged.folder()), staged.folder(), message);
    }
    if (!(replace ? staged.replace(target) : staged.commitTo(target)))
        return failStaged(request, staged);
    return true;
}

} // namespace

bool compress(const TaskRequest &request)
{
    const QString source = singleSource(request);
    if (source.isEmpty() || !QFileInfo(source).isFile())
        return fail(request, BatchFailure::SourceMissing, source,
                    QStringLiteral("the source does not exist: %1").arg(source));
    const bool replace = replacesSource(request.options);
    const QString target = replace ? source : pathidentity::internal(request.outputPath);
    if (target.isEmpty())
        return fail(request, BatchFailure::OutputFolderMissing, QString(),
                    QStringLiteral("no output file"));
    if (!replace && pathidentity::same(source, target))
        return fail(request, BatchFailure::OutputIsInput, source,
                    QStringLiteral("the output would overwrite the source"));
    const Level level = CompressLevel(request.options.value(TaskOption::CompressLevel).toInt()) ==
                                CompressLevel::Strong
                            ? kStrong
                            : kBasic;
    bool damaged = false;
    // Damage qpdf meets only while writing is retried on a copy MuPDF repaired.
    const bool done = run(request, source, target, replace, level, false, &damaged);
    if (done || !damaged)
        return done;
    bool again = false;
    return run(request, source, target, replace, level, true, &again);
}

} // namespace compression
