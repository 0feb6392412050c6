#pragma once

#include <QString>
#include <QStringView>

// Tool types: the ids of the batch tool pages, shared by the home page, the viewer and the main
// page. 0 and anything above the last tool name no tool.
namespace ToolType {

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

// One row a tool: what the side navigation, the tool tab and the viewer know of it. A new tool
// is a row here and a page in ToolPageFactory::create.
struct Info
{
    int type = None;
    const char *navigationText = nullptr; // the side navigation's entry
    const char *navigationIcon = nullptr;
    const char *tabText = nullptr; // the tool tab's title
    const char *tabIcon = nullptr;
    // What the viewer's tools menu asks for the tool by, handing it the open file; null where
    // the viewer does not.
    const char *viewerId = nullptr;

    QString navigationLabel() const;
    QString tabLabel() const;
};

// In the order of the side navigation.
const Info *begin();
const Info *end();
// The row of a tool type, or null for one that names no tool.
const Info *info(int type);
// The row the viewer names by id, or null.
const Info *forViewerId(QStringView id);

inline bool isValid(int type)
{
    return info(type) != nullptr;
}

} // namespace ToolType
