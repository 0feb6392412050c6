#pragma once

#include "taskrequest.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>

// The tool table: one row a batch tool, read by the home page and the side navigation, the tool
// tabs, the viewer's tools menu, the tool pages' requests, the task centre's dispatch and the
// command line. The engine function that runs a row is bound to its task type in inkwell.cpp;
// its options panel in ToolPageFactory. HACKING.md says how to add a tool.
namespace ToolType {

// Tool type ids, as the side navigation and the tabs' "tesselToolType" know them. 0 and
// anything above the last tool name no tool.
enum : int {
    None = 0,
    Compress = 1,
    PdfToOffice = 2,
    OfficeToPdf = 3,
    ImageToPdf = 4,
    PdfToImages = 5,
    Decrypt = 6,
    Encrypt = 7,
    Merge = 8,
    RecognizeText = 9,
};

// How the files of one start become jobs.
enum class Jobs {
    EachFile,  // one job a file
    WholeList, // one job for the whole list
    // One job for the whole list when TaskOption::SinglePdf is set, else one a file.
    WholeListWhenSinglePdf,
};

// What a job writes, named by the output rule: the first free "name.suffix", "name(1).suffix"...
enum class Output {
    Pdf,
    OfficeFile,  // suffix of TaskOption::OfficeFormat
    ImageFolder, // "name", "name (1)"..., made before the job runs
    // The engine names the file inside the folder it is given, once it knows what it writes.
    NamedByEngine,
};

// Which files a tool takes.
enum class Intake { Pdf, Images, Office };

// Where a one-file job's request carries its file: TaskRequest::inputFile, the list
// TaskRequest::inputFiles, or both. A whole list's job always carries the list.
enum class Carries { File, List, Both };

struct Info
{
    int type = None;
    TaskType task = TaskType::Merge;
    const char *navigationText = nullptr; // the side navigation's entry
    const char *navigationIcon = nullptr;
    const char *tabText = nullptr; // the tool tab's title
    const char *tabIcon = nullptr;
    // What the viewer's tools menu asks for the tool by, handing it the open file; null where
    // the viewer does not.
    const char *viewerId = nullptr;
    Intake intake = Intake::Pdf;
    Jobs jobs = Jobs::EachFile;
    Carries carries = Carries::File;
    Output output = Output::Pdf;
    // The name of a whole list's output; null: the first file's name.
    const char *listName = nullptr;
    // Writes a PDF anew from PDFs, so the inputs' signatures do not survive in it.
    bool rewritesPdf = false;
    // Its work runs in helper processes of its own, which the CPU budget already counts.
    bool ownProcesses = false;
    // Its own option is a password (TaskOption::Password), asked on its panel.
    bool takesPassword = false;
    // The command line: "--verb [options] FILE..." runs its jobs without a window; null where it
    // has none of its own. The help text is in context "CommandLine".
    const char *verb = nullptr;
    const char *verbHelp = nullptr;
    // The formats of "--convert-to" that pick this tool, as option values (see Option).
    const char *convertTo = nullptr;

    QString navigationLabel() const;
    QString tabLabel() const;
};

// An option of one tool on the command line ("--level strong"), setting one TaskOption key.
struct Option
{
    int type = None;            // the tool's type
    const char *name = nullptr; // without the dashes
    const char *help = nullptr; // context "CommandLine"
    // The value's name in the help (context "CommandLine"); null for a switch, which sets the
    // key to true.
    const char *valueName = nullptr;
    QLatin1StringView key; // a TaskOption
    // The values it takes and what each stores, "basic=0|strong=1"; null: the value as given.
    const char *values = nullptr;
};

// In the order of the side navigation.
const Info *begin();
const Info *end();
// The row of a tool type, or null for one that names no tool.
const Info *info(int type);
// The row of a task type (TaskRequest::type), or null for one no tool runs.
const Info *forTask(int taskType);
// The row the viewer names by id, or null.
const Info *forViewerId(QStringView id);

const Option *optionsBegin();
const Option *optionsEnd();
// What an option value ("strong") stores by a table of values ("basic=0|strong=1"), or an
// invalid QVariant for a value the table lacks.
QVariant optionValue(const char *values, QStringView value);
// The names of a table of values: "basic", "strong".
QStringList optionValueNames(const char *values);

inline bool isValid(int type)
{
    return info(type) != nullptr;
}

} // namespace ToolType
