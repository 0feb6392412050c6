#include "pdftooffice.h"

#include "batchsupport.h"
#include "mupdftools.h"
#include "officelayout.h"
#include "officepackage.h"
#include "pathidentity.h"
#include "stagedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

using namespace Qt::StringLiterals;

namespace pdftooffice {
namespace {

using batchsupport::fail;

OfficeFormat formatOf(const TaskRequest &request)
{
    bool ok = false;
    const int value = request.options.value(TaskOption::OfficeFormat).toInt(&ok);
    if (ok && value >= 0 && value <= 2)
        return OfficeFormat(value);
    return OfficeFormat::Word;
}

} // namespace

QString suffix(OfficeFormat format)
{
    switch (format) {
    case OfficeFormat::Excel:
        return u"xlsx"_s;
    case OfficeFormat::PowerPoint:
        return u"pptx"_s;
    case OfficeFormat::Word:
        break;
    }
    return u"docx"_s;
}

bool convert(const TaskRequest &request)
{
    const QString source = batchsupport::singleSource(request);
    if (source.isEmpty() || !QFileInfo(source).isFile())
        return fail(request, BatchFailure::SourceMissing, source, u"no source"_s);
    const QString target = pathidentity::internal(request.outputPath);
    const QString folder = QFileInfo(target).absolutePath();
    if (!QFileInfo(folder).isDir())
        return fail(request, BatchFailure::OutputFolderMissing, folder, u"no output folder"_s);

    officelayout::Document document;
    mupdf::OpenStatus status = mupdf::OpenStatus::Ok;
    QString message;
    const QString password = inputPassword(request.options, 0);
    if (!officelayout::analyseDocument(source, password, QThread::idealThreadCount(), &document,
                                       &status, &message, batchsupport::cancelFlag())) {
        if (batchsupport::cancelRequested())
            return fail(request, BatchFailure::Cancelled, QString(), u"cancelled"_s);
        if (document.tooLargeImage.isValid())
            return fail(request, BatchFailure::ImageTooLarge, source, message);
        const BatchFailure failure = status == mupdf::OpenStatus::Ok
                                         ? BatchFailure::NotPdf
                                         : mupdftools::openFailure(status);
        return fail(request, failure, source, message);
    }
    if (document.pages.isEmpty())
        return fail(request, BatchFailure::NoPages, source, u"the document has no pages"_s);

    StagedFile staged(folder);
    if (!staged.isValid())
        return batchsupport::failStaged(request, staged);
    const OfficeFormat format = formatOf(request);
    QByteArray bytes;
    bool written = false;
    if (format == OfficeFormat::Excel) {
        // The spreadsheet library writes files by name only: into a folder of ours first.
        QTemporaryDir work(QDir::tempPath() + u"/velmora-xlsx-XXXXXX"_s);
        const QString file = work.filePath(u"out.xlsx"_s);
        written = work.isValid() && officewriters::writeXlsx(document, file, &message) &&
                  batchsupport::copyFile(file, staged.path(), &message);
        if (!written)
            return fail(request, batchsupport::writeFailure(folder), folder, message);
    } else {
        written = format == OfficeFormat::PowerPoint
                      ? officewriters::writePptx(document, &bytes, &message)
                      : officewriters::writeDocx(document, &bytes, &message);
        if (!written)
            return fail(request, BatchFailure::Unknown, QString(), message);
        QFile file(staged.path());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
            return fail(request, batchsupport::writeFailure(folder), folder, file.errorString());
    }
    if (batchsupport::cancelRequested())
        return fail(request, BatchFailure::Cancelled, QString(), u"cancelled"_s);
    if (!staged.commitTo(target))
        return batchsupport::failStaged(request, staged);
    batchsupport::outcome().pagesWithoutText = document.pagesWithoutText;
    return true;
}

} // namespace pdftooffice
