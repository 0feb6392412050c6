#include "incrementalwriter.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFCryptoProvider.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QUtil.hh>

#include <algorithm>
#include <cstring>
#include <set>
#include <stdexcept>

namespace incrementalwriter {
namespace {

using Handle = QPDFObjectHandle;

std::string fingerprint(Handle object)
{
    if (object.isStream())
        return "stream " + object.getDict().unparseResolved() +
               (object.isDataModified() ? " modified" : "");
    return object.unparseResolved();
}

// How new strings and streams of an encrypted file are encrypted.
struct Crypt
{
    bool active = false;
    std::string fileKey;
    int V = 0;
    int R = 0;
    QPDF::encryption_method_e streams = QPDF::e_none;
    QPDF::encryption_method_e strings = QPDF::e_none;

    static bool usesAes(QPDF::encryption_method_e method)
    {
        return method == QPDF::e_aes || method == QPDF::e_aesv3;
    }

    std::string encrypt(const std::string &data, QPDFObjGen og,
                        QPDF::encryption_method_e method) const
    {
        if (!active || method == QPDF::e_none)
            return data;
        const bool aes = usesAes(method);
        const std::string key =
            QPDF::compute_data_key(fileKey, og.getObj(), og.getGen(), aes, V, R);
        auto crypto = QPDFCryptoProvider::getImpl();
        const auto *keyData = reinterpret_cast<const unsigned char *>(key.data());
        if (!aes) {
            std::string out(data.size(), '\0');
            crypto->RC4_init(keyData, static_cast<int>(key.size()));
            crypto->RC4_process(reinterpret_cast<const unsigned char *>(data.data()), data.size(),
                                reinterpret_cast<unsigned char *>(out.data()));
            crypto->RC4_finalize();
            return out;
        }
        // AES-CBC with a random IV written first and PKCS#5 padding.
        unsigned char iv[16];
        crypto->provideRandomData(iv, sizeof iv);
        std::string padded = data;
        const size_t pad = 16 - padded.size() % 16;
        padded.append(pad, static_cast<char>(pad));
        std::string out(reinterpret_cast<const char *>(iv), sizeof iv);
        out.resize(sizeof iv + padded.size());
        crypto->rijndael_init(true, keyData, key.size(), true, iv);
        for (size_t i = 0; i < padded.size(); i += 16)
            crypto->rijndael_process(reinterpret_cast<unsigned char *>(padded.data() + i),
                                     reinterpret_cast<unsigned char *>(out.data() + 16 + i));
        crypto->rijndael_finalize();
        return out;
    }
};

std::string hexString(const std::string &bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out = "<";
    out.reserve(bytes.size() * 2 + 2);
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out + ">";
}

class Serializer
{
public:
    Serializer(const Crypt &crypt, QPDFObjGen current)
        : m_crypt(crypt)
        , m_current(current)
    {}

    // Signature values are never encrypted; their dictionary's /Contents is skipped here and
    // written by the caller.
    std::string value(Handle object, bool top = false)
    {
        if (!top && object.isIndirect())
            return object.getObjGen().unparse(' ') + " R";
        if (object.isString()) {
            if (!m_crypt.active)
                return object.unparse();
            return hexString(m_crypt.encrypt(object.getStringValue(), m_current, m_crypt.strings));
        }
        if (object.isArray()) {
            std::string out = "[";
            for (Handle item : object.aitems()) {
                out += value(item);
                out += ' ';
            }
            return out + "]";
        }
        if (object.isDictionary()) {
            std::string out = "<<";
            for (const auto &entry : object.ditems()) {
                const std::string &key = entry.first;
                Handle item = entry.second;
                if (item.isNull())
                    continue;
                out += Handle::newName(key).unparse();
                out += ' ';
                out += value(item);
                out += '\n';
            }
            return out + ">>";
        }
        if (object.isInlineImage() || object.isOperator() || !object.isInitialized())
            throw std::runtime_error("an object of content-stream kind cannot be written");
        return object.unparse();
    }

private:
    const Crypt &m_crypt;
    QPDFObjGen m_current;
};

std::string streamBody(Handle stream, std::string *dictText, const Crypt &crypt)
{
    Handle dict = stream.getDict().shallowCopy();
    std::string data;
    if (stream.isDataModified()) {
        // Token filters (form appearances qpdf regenerates) apply only to decoded data.
        auto buffer = stream.getStreamData(qpdf_dl_generalized);
        data.assign(reinterpret_cast<const char *>(buffer->getBuffer()), buffer->getSize());
        dict.removeKey("/Filter");
        dict.removeKey("/DecodeParms");
    } else {
        auto buffer = stream.getRawStreamData();
        data.assign(reinterpret_cast<const char *>(buffer->getBuffer()), buffer->getSize());
    }
    const bool metadata = dict.getKey("/Type").isNameAndEquals("/Metadata");
    if (crypt.active && !metadata)
        data = crypt.encrypt(data, stream.getObjGen(), crypt.streams);
    dict.replaceKey("/Length", Handle::newInteger(static_cast<long long>(data.size())));
    Serializer serializer(crypt, stream.getObjGen());
    *dictText = serializer.value(dict, true);
    return data;
}

std::string paddedNumber(qint64 value, int width)
{
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<size_t>(width - static_cast<int>(digits.size())), '0');
    return digits;
}

bool endsWithXrefStream(const QByteArray &original, qint64 xref)
{
    if (xref < 0 || xref >= original.size())
        return false;
    return !original.mid(xref, 4).startsWith("xref");
}

} // namespace

Snapshot::Snapshot(QPDF &pdf)
{
    for (Handle object : pdf.getAllObjects())
        m_objects.emplace(object.getObjGen(), fingerprint(object));
}

Snapshot::Snapshot(QPDF &, const std::vector<QPDFObjectHandle> &candidates)
    : m_all(false)
{
    for (Handle object : candidates)
        if (object.isIndirect())
            m_objects.emplace(object.getObjGen(), fingerprint(object));
}

Snapshot::~Snapshot() = default;

std::vector<QPDFObjGen> Snapshot::changedObjects(QPDF &pdf) const
{
    std::vector<QPDFObjGen> changed;
    if (!m_all) {
        for (const auto &[og, before] : m_objects)
            if (fingerprint(pdf.getObjectByObjGen(og)) != before)
                changed.push_back(og);
        std::sort(changed.begin(), changed.end());
        return changed;
    }
    for (Handle object : pdf.getAllObjects()) {
        const QPDFObjGen og = object.getObjGen();
        auto before = m_objects.find(og);
        if (before == m_objects.end() || before->second != fingerprint(object))
            changed.push_back(og);
    }
    std::sort(changed.begin(), changed.end());
    return changed;
}

NewObjects::NewObjects(QPDF &pdf)
    : m_pdf(pdf)
{
    Handle size = pdf.getTrailer().getKey("/Size");
    m_next = size.isInteger() ? static_cast<int>(size.getIntValue()) : 1;
    for (const auto &[og, entry] : pdf.getXRefTable())
        m_next = std::max(m_next, og.getObj() + 1);
    m_first = m_next;
}

QPDFObjectHandle NewObjects::add(QPDFObjectHandle direct)
{
    const QPDFObjGen og(m_next++, 0);
    m_pdf.replaceObject(og, direct);
    m_objects.push_back(og);
    return m_pdf.getObjectByObjGen(og);
}

QPDFObjectHandle NewObjects::addStream(QPDFObjectHandle dictionary, std::string data)
{
    Handle object = add(dictionary);
    m_streams.emplace(object.getObjGen(), std::move(data));
    return object;
}

void NewObjects::adopt(QPDFObjectHandle root)
{
    std::vector<Handle> pending{root};
    std::set<QPDFObjGen> seen(m_objects.begin(), m_objects.end());
    while (!pending.empty()) {
        Handle object = pending.back();
        pending.pop_back();
        if (object.isIndirect()) {
            const QPDFObjGen og = object.getObjGen();
            if (og.getObj() < m_first || !seen.insert(og).second)
                continue;
            m_objects.push_back(og);
            m_next = std::max(m_next, og.getObj() + 1);
        }
        Handle inner = object.isStream() ? object.getDict() : object;
        if (inner.isArray()) {
            for (Handle item : inner.aitems())
                pending.push_back(item);
        } else if (inner.isDictionary()) {
            for (const auto &entry : inner.ditems())
                pending.push_back(entry.second);
        }
    }
}

qint64 lastXrefOffset(const QByteArray &bytes)
{
    const qint64 at = bytes.lastIndexOf("startxref");
    if (at < 0)
        return -1;
    qint64 i = at + 9;
    while (i < bytes.size() && QUtil::is_space(bytes.at(i)))
        ++i;
    qint64 value = 0;
    bool any = false;
    while (i < bytes.size() && QUtil::is_digit(bytes.at(i))) {
        value = value * 10 + (bytes.at(i) - '0');
        any = true;
        ++i;
    }
    return any ? value : -1;
}

bool append(QPDF &pdf, const QByteArray &original, const std::vector<QPDFObjGen> &objects,
            QByteArray *update, QString *message, SignatureSlot *slot, const NewObjects *newObjects)
{
    const qint64 previous = lastXrefOffset(original);
    if (previous < 0 || previous >= original.size()) {
        *message = QStringLiteral("The end of the file (its startxref) cannot be read, so changes "
                                  "cannot be appended to it.");
        return false;
    }
    Crypt crypt;
    QPDF::encryption_method_e fileMethod = QPDF::e_none;
    int permissions = 0;
    if (pdf.isEncrypted(crypt.R, permissions, crypt.V, crypt.streams, crypt.strings, fileMethod)) {
        crypt.active = true;
        crypt.fileKey = pdf.getEncryptionKey();
        if (crypt.streams == QPDF::e_unknown || crypt.strings == QPDF::e_unknown) {
            *message = QStringLiteral("The file is encrypted in a way that cannot be extended.");
            return false;
        }
    }

    const qint64 base = original.size();
    QByteArray out;
    if (!original.endsWith('\n') && !original.endsWith('\r'))
        out += '\n';
    std::map<int, std::pair<qint64, int>> offsets; // object number -> offset, generation
    int maxObject = 0;
    try {
        for (const QPDFObjGen &og : objects) {
            Handle object = pdf.getObjectByObjGen(og);
            if (object.isNull() && !object.isInitialized())
                continue;
            offsets[og.getObj()] = {base + out.size(), og.getGen()};
            maxObject = std::max(maxObject, og.getObj());
            out += QByteArray::fromStdString(og.unparse(' ') + " obj\n");
            const auto kept = newObjects ? newObjects->streams().find(og)
                                         : std::map<QPDFObjGen, std::string>::const_iterator();
            if (newObjects && kept != newObjects->streams().end()) {
                Handle dict = object.shallowCopy();
                std::string data =
                    crypt.active ? crypt.encrypt(kept->second, og, crypt.streams) : kept->second;
                dict.replaceKey("/Length", Handle::newInteger(static_cast<long long>(data.size())));
                Serializer serializer(crypt, og);
                out += QByteArray::fromStdString(serializer.value(dict, true));
                out += "\nstream\n";
                out += QByteArray::fromRawData(data.data(), static_cast<qsizetype>(data.size()));
                out += "\nendstream";
            } else if (object.isStream()) {
                std::string dict;
                const std::string data = streamBody(object, &dict, crypt);
                out += QByteArray::fromStdString(dict);
                out += "\nstream\n";
                out += QByteArray::fromRawData(data.data(), static_cast<qsizetype>(data.size()));
                out += "\nendstream";
            } else if (slot && og == slot->object) {
                Handle dict = object.shallowCopy();
                dict.removeKey("/Contents");
                dict.removeKey("/ByteRange");
                Serializer serializer(crypt, og);
                const std::string rest = serializer.value(dict, true);
                out += "<</ByteRange ";
                slot->byteRangeStart = base + out.size();
                out += QByteArray("[0 0000000000 0000000000 0000000000]");
                slot->byteRangeEnd = base + out.size();
                out += "\n/Contents ";
                slot->contentsStart = base + out.size();
                out += '<';
                out += QByteArray(slot->contentsSize * 2, '0');
                out += '>';
                slot->contentsEnd = base + out.size();
                out += '\n';
                out += QByteArray::fromStdString(rest.substr(2)); // after its "<<"
            } else {
                Serializer serializer(crypt, og);
                out += QByteArray::fromStdString(serializer.value(object, true));
            }
            out += "\nendobj\n";
        }
    } catch (const std::exception &e) {
        *message = QStringLiteral("A changed object could not be written: %1")
                       .arg(QString::fromStdString(e.what()));
        return false;
    }

    Handle oldTrailer = pdf.getTrailer();
    const long long oldSize =
        oldTrailer.getKey("/Size").isInteger() ? oldTrailer.getKey("/Size").getIntValue() : 0;
    Handle trailer = Handle::newDictionary();
    for (const char *key : {"/Root", "/Info", "/Encrypt"})
        if (oldTrailer.hasKey(key) && !oldTrailer.getKey(key).isNull())
            trailer.replaceKey(key, oldTrailer.getKey(key));
    Handle id = oldTrailer.getKey("/ID");
    if (id.isArray() && id.getArrayNItems() == 2 && id.getArrayItem(0).isString()) {
        // The first identifier stays (encryption keys derive from it); the second marks this
        // version of the file.
        unsigned char fresh[16];
        QPDFCryptoProvider::getImpl()->provideRandomData(fresh, sizeof fresh);
        trailer.replaceKey(
            "/ID", Handle::newArray(std::vector<Handle>{
                       Handle::newString(id.getArrayItem(0).getStringValue()),
                       Handle::newString(std::string(reinterpret_cast<char *>(fresh), 16))}));
    }
    trailer.replaceKey("/Prev", Handle::newInteger(previous));

    const bool xrefStream = endsWithXrefStream(original, previous);
    long long size = std::max<long long>(oldSize, maxObject + 1);
    // Sections of consecutive object numbers.
    std::vector<std::pair<int, std::vector<int>>> sections;
    for (const auto &[number, entry] : offsets) {
        if (sections.empty() ||
            sections.back().first + static_cast<int>(sections.back().second.size()) != number)
            sections.push_back({number, {}});
        sections.back().second.push_back(number);
    }
    // Strings of the trailer and of a cross-reference stream are never encrypted.
    Crypt plain;
    Serializer trailerWriter(plain, QPDFObjGen());
    if (!xrefStream) {
        const qint64 xrefAt = base + out.size();
        out += "xref\n";
        for (const auto &[first, numbers] : sections) {
            out += QByteArray::number(first) + ' ' + QByteArray::number(numbers.size()) + '\n';
            for (int number : numbers) {
                const auto &[offset, gen] = offsets[number];
                out += QByteArray::fromStdString(paddedNumber(offset, 10) + ' ' +
                                                 paddedNumber(gen, 5) + " n\r\n");
            }
        }
        trailer.replaceKey("/Size", Handle::newInteger(size));
        out += "trailer\n" + QByteArray::fromStdString(trailerWriter.value(trailer, true)) +
               "\nstartxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
    } else {
        const int streamNumber = static_cast<int>(size);
        size += 1;
        const qint64 xrefAt = base + out.size();
        offsets[streamNumber] = {xrefAt, 0};
        if (!sections.empty() &&
            sections.back().first + static_cast<int>(sections.back().second.size()) == streamNumber)
            sections.back().second.push_back(streamNumber);
        else
            sections.push_back({streamNumber, {streamNumber}});
        std::string rows;
        std::vector<Handle> index;
        for (const auto &[first, numbers] : sections) {
            index.push_back(Handle::newInteger(first));
            index.push_back(Handle::newInteger(static_cast<long long>(numbers.size())));
            for (int number : numbers) {
                const auto &[offset, gen] = offsets[number];
                rows += '\x01';
                for (int shift = 32; shift >= 0; shift -= 8)
                    rows += static_cast<char>((offset >> shift) & 0xFF);
                rows += static_cast<char>((gen >> 8) & 0xFF);
                rows += static_cast<char>(gen & 0xFF);
            }
        }
        trailer.replaceKey("/Type", Handle::newName("/XRef"));
        trailer.replaceKey("/Size", Handle::newInteger(size));
        trailer.replaceKey("/Index", Handle::newArray(index));
        trailer.replaceKey(
            "/W", Handle::newArray(std::vector<Handle>{Handle::newInteger(1), Handle::newInteger(5),
                                                       Handle::newInteger(2)}));
        trailer.replaceKey("/Length", Handle::newInteger(static_cast<long long>(rows.size())));
        out += QByteArray::number(streamNumber) + " 0 obj\n" +
               QByteArray::fromStdString(trailerWriter.value(trailer, true)) + "\nstream\n" +
               QByteArray::fromStdString(rows) + "\nendstream\nendobj\nstartxref\n" +
               QByteArray::number(xrefAt) + "\n%%EOF\n";
    }
    *update = out;
    return true;
}

} // namespace incrementalwriter
