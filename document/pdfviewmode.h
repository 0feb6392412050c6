#pragma once

#include <QMetaType>

// Which central view a viewer tab shows.
enum class PdfViewMode : qint32 {
    DocumentView = 0,
    PageManageView = 1,
};

// Which page task the page grid and the side panel are set up for.
enum class PdfWorkspaceMode : qint32 {
    Browse = 0,
    Insert = 1,
    Extract = 2,
    Split = 3,
};

Q_DECLARE_METATYPE(PdfViewMode)
Q_DECLARE_METATYPE(PdfWorkspaceMode)
