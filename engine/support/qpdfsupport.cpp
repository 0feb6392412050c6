#include "qpdfsupport.h"

#include "allocatortuning.h"
#include "mupdfsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFSystemError.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

#include <cerrno>
#include <stdexcept>

namespace qpdfsupport {
namespace {

class DevicePipeline : public Pipeline
{
public:
    explicit DevicePipeline(QIODevice *device)
        : Pipeline("velmora output", nullptr)
        , m_device(device)
    {}

    void write(unsigned char const *data, size_t len) override
    {
        if (m_device->write(reinterpret_cast<const char *>(data), static_cast<qint64>(len)) !=
            static_cast<qint64>(len))
            throw std::runtime_error(m_device->errorString().toStdString());
    }

    void finish() override {}

private:
    QIODevice *m_device;
};

enum class Attempt { Opened, PasswordRefused, Failed };

Attempt process(QPDF &pdf, const QString &path, const std::string &password, QString *message)
{
    try {
        pdf.processFile(QFile::encodeName(path).constData(), password.c_str());
        return Attempt::Opened;
    } catch (const QPDFExc &e) {
        *message = QString::fromStdString(e.getMessageDetail());
        return e.getErrorCode() == qpdf_e_password ? Attempt::PasswordRefused : Attempt::Failed;
    } catch (const std::exception &e) {
        *message = QString::fromStdString(e.what());
        return Attempt::Failed;
    }
}

std::unique_ptr<QPDF> newQpdf()
{
    allocator::tuneForDocuments();
    auto pdf = std::make_unique<QPDF>();
    pdf->setSuppressWarnings(true);
    pdf->setAttemptRecovery(true);
    return pdf;
}

} // namespace

std::shared_ptr<Source> open(const QString &path, const QString &password, bool forceRepair,
                             PdfBackendError *error, QString *message)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = PdfBackendError::FileNotFound;
        *message =
            QStringLiteral("The file does not exist: %1").arg(QDir::toNativeSeparators(path));
        return {};
    }
    if (!info.isFile() || info.size() == 0) {
        *error = PdfBackendError::CorruptOrUnsupported;
        *message = QStringLiteral("Not a PDF file: %1").arg(QDir::toNativeSeparators(path));
        return {};
    }

    auto source = std::make_shared<Source>();
    source->path = path;
    source->pdf = newQpdf();
    QString detail;
    Attempt attempt = forceRepair ? Attempt::Failed
                                  : process(*source->pdf, path, password.toStdString(), &detail);
    if (attempt == Attempt::PasswordRefused && !password.isEmpty()) {
        // Older encryption compares PDFDocEncoding bytes, not UTF-8.
        std::string docEncoded;
        if (QUtil::utf8_to_pdf_doc(password.toStdString(), docEncoded) &&
            docEncoded != password.toStdString()) {
            source->pdf = newQpdf();
            attempt = process(*source->pdf, path, docEncoded, &detail);
        }
    }
    if (attempt == Attempt::Opened) {
        source->encrypted = source->pdf->isEncrypted();
        return source;
    }
    if (attempt == Attempt::PasswordRefused) {
        *error =
            password.isEmpty() ? PdfBackendError::PasswordRequired : PdfBackendError::WrongPassword;
        *message = password.isEmpty() ? QStringLiteral("The document is protected by a password.")
                                      : QStringLiteral("The password is not correct.");
        return {};
    }
    {
        mupdf::OpenStatus status;
        QString mupdfMessage;
        mupdf::DocumentRef doc = mupdf::openDocument(path, password, true, &status, &mupdfMessage);
        if (!doc && status == mupdf::OpenStatus::PasswordRequired) {
            *error = PdfBackendError::PasswordRequired;
            *message = mupdfMessage;
            return {};
        }
        if (!doc && status == mupdf::OpenStatus::WrongPassword) {
            *error = PdfBackendError::WrongPassword;
            *message = mupdfMessage;
            return {};
        }
        if (doc && mupdf::repairedCopy(doc, &source->repairedBytes, &mupdfMessage)) {
            source->encrypted = mupdf::isEncrypted(doc);
            source->pdf = newQpdf();
            try {
                source->pdf->processMemoryFile(QFile::encodeName(path).constData(),
                                               source->repairedBytes.constData(),
                                               static_cast<size_t>(source->repairedBytes.size()));
                return source;
            } catch (const std::exception &e) {
                detail = QString::fromStdString(e.what());
            }
        }
    }
    *error = PdfBackendError::CorruptOrUnsupported;
    *message = QStringLiteral("The file is damaged or not a PDF: %1 (%2)")
                   .arg(QDir::toNativeSeparators(path), detail);
    return {};
}

bool writeStaged(QPDF &pdf, const QString &path, const std::function<void(QPDFWriter &)> &configure,
                 PdfBackendError *error, QString *message, bool *sourceDamaged)
{
    if (sourceDamaged)
        *sourceDamaged = false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = PdfBackendError::WriteFailed;
        *message = QStringLiteral("Cannot write the output: %1").arg(file.errorString());
        return false;
    }
    try {
        DevicePipeline pipeline(&file);
        QPDFWriter writer(pdf);
        writer.setOutputPipeline(&pipeline);
        if (configure)
            configure(writer);
        writer.write();
    } catch (const std::exception &e) {
        if (sourceDamaged)
            *sourceDamaged = isDamage(e);
        *error = PdfBackendError::WriteFailed;
        *message =
            QStringLiteral("Writing the output failed: %1").arg(QString::fromStdString(e.what()));
        return false;
    }
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        *error = PdfBackendError::WriteFailed;
        *message = QStringLiteral("Cannot write the output: %1").arg(file.errorString());
        return false;
    }
    return true;
}

bool isDamage(const std::exception &e)
{
    if (const auto *exc = dynamic_cast<const QPDFExc *>(&e))
        return exc->getErrorCode() == qpdf_e_damaged_pdf || exc->getErrorCode() == qpdf_e_object ||
               exc->getErrorCode() == qpdf_e_pages;
    return false;
}

} // namespace qpdfsupport

#include <qpdf/QPDFNameTreeObjectHelper.hh>

#include <set>
#include <unordered_map>

namespace qpdfsupport {

namespace {

QPDFObjectHandle destinationsTree(QPDF &pdf)
{
    QPDFObjectHandle names = pdf.getRoot().getKey("/Names");
    return names.isDictionary() ? names.getKey("/Dests") : QPDFObjectHandle::newNull();
}

// Follows names and << /D ... >> wrappers to an explicit array; lookup answers string names.
QPDFObjectHandle resolveWith(QPDF &pdf, QPDFObjectHandle dest,
                             const std::function<QPDFObjectHandle(QPDFObjectHandle)> &lookup)
{
    for (int depth = 0; depth < 4; ++depth) {
        if (dest.isArray())
            return dest;
        if (dest.isDictionary()) {
            dest = dest.getKey("/D");
            continue;
        }
        if (dest.isName()) {
            QPDFObjectHandle dests = pdf.getRoot().getKey("/Dests");
            if (!dests.isDictionary())
                return QPDFObjectHandle::newNull();
            dest = dests.getKey(dest.getName());
        } else if (dest.isString()) {
            dest = lookup(dest);
        } else {
            return QPDFObjectHandle::newNull();
        }
    }
    return QPDFObjectHandle::newNull();
}

QPDFObjectHandle findInTree(QPDF &pdf, const std::string &name)
{
    QPDFObjectHandle tree = destinationsTree(pdf);
    if (!tree.isDictionary())
        return QPDFObjectHandle::newNull();
    try {
        QPDFNameTreeObjectHelper names(tree, pdf, false);
        QPDFObjectHandle found;
        if (names.findObject(name, found))
            return found;
    } catch (const std::exception &) {
    }
    return QPDFObjectHandle::newNull();
}

// Reads every leaf of a name tree into names (the first entry of a repeated name wins); false
// when the tree is malformed.
bool collectNames(QPDFObjectHandle node, std::unordered_map<std::string, QPDFObjectHandle> &names,
                  std::set<QPDFObjGen> &seen, int depth)
{
    if (!node.isDictionary() || depth > 32)
        return node.isNull() && depth == 0;
    if (node.isIndirect() && !seen.insert(node.getObjGen()).second)
        return false;
    QPDFObjectHandle leaves = node.getKey("/Names");
    if (leaves.isArray()) {
        const int count = leaves.getArrayNItems();
        for (int i = 0; i + 1 < count; i += 2) {
            QPDFObjectHandle key = leaves.getArrayItem(i);
            if (key.isString())
                names.emplace(key.getStringValue(), leaves.getArrayItem(i + 1));
        }
    }
    QPDFObjectHandle kids = node.getKey("/Kids");
    if (kids.isArray()) {
        for (QPDFObjectHandle kid : kids.aitems())
            if (!collectNames(kid, names, seen, depth + 1))
                return false;
    }
    return true;
}

} // namespace

QPDFObjectHandle explicitDestination(QPDF &pdf, QPDFObjectHandle dest)
{
    return resolveWith(
        pdf, dest, [&pdf](QPDFObjectHandle name) { return findInTree(pdf, name.getUTF8Value()); });
}

struct DestinationResolver::Names
{
    std::unordered_map<std::string, QPDFObjectHandle> byName;
    bool indexed = false; // false after a damaged tree: every name is then searched for
};

DestinationResolver::DestinationResolver(QPDF &pdf)
    : m_pdf(pdf)
{}

DestinationResolver::~DestinationResolver() = default;

QPDFObjectHandle DestinationResolver::resolve(QPDFObjectHandle dest)
{
    return resolveWith(m_pdf, dest, [this](QPDFObjectHandle name) {
        if (!m_names) {
            m_names = std::make_unique<Names>();
            std::set<QPDFObjGen> seen;
            m_names->indexed = collectNames(destinationsTree(m_pdf), m_names->byName, seen, 0);
            if (!m_names->indexed)
                m_names->byName.clear();
        }
        if (!m_names->indexed)
            return findInTree(m_pdf, name.getUTF8Value());
        // Name trees are keyed by the strings' bytes.
        auto found = m_names->byName.find(name.getStringValue());
        return found == m_names->byName.end() ? QPDFObjectHandle::newNull() : found->second;
    });
}

QPDFObjectHandle localDestination(QPDFObjectHandle item)
{
    if (!item.isDictionary())
        return QPDFObjectHandle::newNull();
    if (item.hasKey("/Dest"))
        return item.getKey("/Dest");
    QPDFObjectHandle action = item.getKey("/A");
    if (action.isDictionary() && action.getKey("/S").isNameAndEquals("/GoTo"))
        return action.getKey("/D");
    return QPDFObjectHandle::newNull();
}

void setLocalDestination(QPDFObjectHandle item, QPDFObjectHandle dest)
{
    if (item.hasKey("/Dest") || !item.getKey("/A").isDictionary()) {
        item.replaceKey("/Dest", dest);
        return;
    }
    // Actions may be shared between items: give this one its own.
    QPDFObjectHandle action = QPDFObjectHandle::newDictionary();
    action.replaceKey("/S", QPDFObjectHandle::newName("/GoTo"));
    action.replaceKey("/D", dest);
    item.replaceKey("/A", action);
}

int normalizedRotation(long long degrees)
{
    long long r = ((degrees % 360) + 360) % 360;
    r = ((r + 45) / 90) * 90;
    return static_cast<int>(r % 360);
}

int ownRotation(QPDFObjectHandle page)
{
    QPDFObjectHandle rotate = QPDFPageObjectHelper(page).getAttribute("/Rotate", false);
    return normalizedRotation(rotate.isNumber() ? static_cast<long long>(rotate.getNumericValue())
                                                : 0);
}

} // namespace qpdfsupport
