#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// The one record shared by the tool pages, the task centre and the engine.
struct TaskRequest
{
    QString taskId;
    qint32 type = 1;
    QStringList inputFiles;
    QString outputPath;
    QString inputFile;
    bool useSourceFolder = false;
    QVariantMap options;
};

enum TaskType : qint32 {
    Merge = 0,
    Encrypt = 2,
    Decrypt = 3,
    PdfToImage = 4,
    ImageToPdf = 5,
    Compress = 6,
    OfficeToPdf = 7,
    PdfToOffice = 8,
    RecognizeText = 9,
};

// Keys of TaskRequest::options; the values of most are the enums below.
namespace TaskOption {
inline constexpr QLatin1StringView SaveOption{"saveOption"};
inline constexpr QLatin1StringView Password{"password"};
inline constexpr QLatin1StringView CompressLevel{"compressLevel"};
inline constexpr QLatin1StringView PageSize{"pageSize"};
inline constexpr QLatin1StringView PageMargin{"pageMargin"};
inline constexpr QLatin1StringView PageOrientation{"pageOrientation"};
// True: all the images go into one PDF.
inline constexpr QLatin1StringView SinglePdf{"singlePdf"};
inline constexpr QLatin1StringView ImageFormat{"format"};
// True: the images embedded in the pages are written instead of the rendered pages.
inline constexpr QLatin1StringView SaveAsSeparateFiles{"saveAsSeparateFiles"};
// QStringList: the password each input opens with, by position (inputFiles, or the one
// inputFile), as typed when the file was added; empty for a file that needs none. Unlock uses
// its file's own password before the panel's; encrypt opens a protected file with it.
inline constexpr QLatin1StringView InputPasswords{"inputPasswords"};
// Encrypt: an owner password other than the user password ("password"); empty means the same.
inline constexpr QLatin1StringView OwnerPassword{"ownerPassword"};
// Encrypt: what readers without the owner password may do; each true when missing.
inline constexpr QLatin1StringView AllowPrint{"allowPrint"};
inline constexpr QLatin1StringView AllowCopy{"allowCopy"};
inline constexpr QLatin1StringView AllowModify{"allowModify"};
// Merge: true puts one blank page, the size of the page before it, between consecutive inputs.
inline constexpr QLatin1StringView InsertBlankPages{"insertBlankPages"};
// PDF to Office: what to write (OfficeFormat).
inline constexpr QLatin1StringView OfficeFormat{"officeFormat"};
// Text recognition: the languages to read, tesseract codes joined by '+' ("eng+chi_sim"); empty
// or missing means the interface language's and English.
inline constexpr QLatin1StringView OcrLanguages{"ocrLanguages"};
// Text recognition: true reads pages that already have text too.
inline constexpr QLatin1StringView ForceRecognition{"forceRecognition"};
} // namespace TaskOption

// The value of TaskOption::SaveOption; the other enums are named as their keys.
enum class SaveMode : int { ReplaceSource = 0, NewFile = 1 };
enum class CompressLevel : int { Basic = 0, Strong = 1 };
enum class PageSize : int { A4 = 0, Letter = 1 };
enum class PageMargin : int { None = 0, Narrow = 1, Wide = 2 };
enum class PageOrientation : int { Portrait = 0, Landscape = 1 };
enum class ImageFormat : int { Jpeg = 2, Png = 3 };
enum class OfficeFormat : int { Word = 0, Excel = 1, PowerPoint = 2 };

// Whether a request's job writes over its own source; without a save option it writes a new file.
inline bool replacesSource(const QVariantMap &options)
{
    bool ok = false;
    const int mode = options.value(TaskOption::SaveOption).toInt(&ok);
    return ok && SaveMode(mode) == SaveMode::ReplaceSource;
}

// The password of input i of a request (see TaskOption::InputPasswords), or an empty string.
inline QString inputPassword(const QVariantMap &options, qsizetype i)
{
    return options.value(TaskOption::InputPasswords).toStringList().value(i);
}
