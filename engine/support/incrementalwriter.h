#pragma once

#include <QByteArray>
#include <QString>

#include <qpdf/QPDFObjGen.hh>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QPDF;
class QPDFObjectHandle;

// Changes to a document written after its original bytes (an incremental update), so that
// signatures over those bytes stay valid. qpdf cannot write one, so the update is serialised
// here: the objects changed since a snapshot, a cross-reference section of the kind the file
// ends with, and a trailer pointing back to the previous one. Encrypted files get their new
// strings and streams encrypted with the file's own key.
namespace incrementalwriter {

// What every object of a document looked like; taken before changes are made.
class Snapshot
{
public:
    explicit Snapshot(QPDF &pdf);
    // Only the candidates (the objects about to be changed) are compared: cheap on long
    // documents where the changes are known (new objects then come from NewObjects).
    Snapshot(QPDF &pdf, const std::vector<QPDFObjectHandle> &candidates);
    ~Snapshot();
    // Objects added or changed since the snapshot, in object number order.
    std::vector<QPDFObjGen> changedObjects(QPDF &pdf) const;

private:
    std::map<QPDFObjGen, std::string> m_objects;
    bool m_all = true;
};

// Objects added to an update without qpdf's numbering, which reads every object of the file
// first (QPDF::makeIndirectObject). Streams stand in qpdf as their dictionaries; their data is
// kept here and written by append.
class NewObjects
{
public:
    explicit NewObjects(QPDF &pdf);
    // direct: a direct object; the result refers to it under its new number.
    QPDFObjectHandle add(QPDFObjectHandle direct);
    QPDFObjectHandle addStream(QPDFObjectHandle dictionary, std::string data);
    // Takes in what qpdf numbered itself (QPDF::makeIndirectObject, reachable from root): those
    // objects are written too, and later numbers given here come after theirs.
    void adopt(QPDFObjectHandle root);
    const std::vector<QPDFObjGen> &objects() const { return m_objects; }
    const std::map<QPDFObjGen, std::string> &streams() const { return m_streams; }
    // The first number given out: objects numbered from here on are new.
    int firstNumber() const { return m_first; }

private:
    QPDF &m_pdf;
    int m_first = 1;
    int m_next = 1;
    std::vector<QPDFObjGen> m_objects;
    std::map<QPDFObjGen, std::string> m_streams;
};

// A placeholder for a signature value inside the update: the object whose /Contents is written
// as `size` zero bytes in hex and whose /ByteRange is left to be filled in.
struct SignatureSlot
{
    QPDFObjGen object;
    int contentsSize = 0; // bytes of the signature value
    // Filled in by append: offsets in the whole output of the /ByteRange array's text (from
    // '[' to ']') and of the hex string (from '<' to '>').
    qint64 byteRangeStart = 0;
    qint64 byteRangeEnd = 0;
    qint64 contentsStart = 0;
    qint64 contentsEnd = 0;
};

// Appends objects of pdf (opened from the file whose bytes are original) as an update.
// *update receives only the bytes after the original ones. False with an English message when
// the file's end cannot be read (no startxref) or an object cannot be written.
// Objects of newObjects' streams are written as streams with their kept data.
bool append(QPDF &pdf, const QByteArray &original, const std::vector<QPDFObjGen> &objects,
            QByteArray *update, QString *message, SignatureSlot *slot = nullptr,
            const NewObjects *newObjects = nullptr);

// Where the last cross-reference section of a file starts (its startxref), or -1.
qint64 lastXrefOffset(const QByteArray &bytes);

} // namespace incrementalwriter
