#include "workspacefactory.h"

#include "pdfshowpage.h"
#include "toolpagefactory.h"

#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

struct Makers
{
    WorkspaceFactory::ToolPageMaker toolPage;
    WorkspaceFactory::ToolFileAdder toolFileAdder;
    WorkspaceFactory::ViewerTabMaker viewerTab;
};

Makers &makers()
{
    static Makers m;
    return m;
}

} // namespace

void WorkspaceFactory::setToolPageMaker(ToolPageMaker maker)
{
    makers().toolPage = std::move(maker);
}

void WorkspaceFactory::setToolFileAdder(ToolFileAdder adder)
{
    makers().toolFileAdder = std::move(adder);
}

void WorkspaceFactory::setViewerTabMaker(ViewerTabMaker maker)
{
    makers().viewerTab = std::move(maker);
}

void WorkspaceFactory::reset()
{
    makers() = Makers();
}

QWidget *WorkspaceFactory::createToolPage(int toolType, QWidget *parent)
{
    if (makers().toolPage) {
        if (QWidget *page = makers().toolPage(toolType, parent))
            return page;
    } else if (QWidget *page = ToolPageFactory::create(toolType, parent)) {
        return page;
    }
    auto *empty = new QWidget(parent);
    empty->setObjectName(u"toolPagePlaceholder"_s);
    return empty;
}

void WorkspaceFactory::addFileToToolPage(QWidget *page, int toolType, const QString &path)
{
    if (!page)
        return;
    if (makers().toolFileAdder)
        makers().toolFileAdder(page, toolType, path);
    else
        ToolPageFactory::addFile(page, path);
}

PdfShowPage *WorkspaceFactory::createViewerTab(QWidget *parent)
{
    if (makers().viewerTab) {
        if (PdfShowPage *tab = makers().viewerTab(parent))
            return tab;
    }
    return new PdfShowPage(parent);
}
