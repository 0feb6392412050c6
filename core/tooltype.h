#pragma once

// Tool types: the ids of the batch tool pages, shared by the home page, the viewer and the main
// page. 0 and anything above Merge name no tool.
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
};

constexpr bool isValid(int type)
{
    return type >= Compress && type <= Merge;
}

} // namespace ToolType
