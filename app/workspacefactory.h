#pragma once

#include <QString>

#include <functional>

class PdfShowPage;
class QWidget;

// Makes the pages the main page puts in its tabs. The tool pages are made by the tools library
// unless a maker is registered; the viewer registers its maker here; tests register stand-ins.
// Without a viewer maker a viewer tab is a bare PdfShowPage.
class WorkspaceFactory
{
public:
    using ToolPageMaker = std::function<QWidget *(int toolType, QWidget *parent)>;
    // Adds a file to a tool page made by the tool page maker (the pages' addFile operation).
    using ToolFileAdder = std::function<void(QWidget *page, int toolType, const QString &path)>;
    using ViewerTabMaker = std::function<PdfShowPage *(QWidget *parent)>;

    static void setToolPageMaker(ToolPageMaker maker);
    static void setToolFileAdder(ToolFileAdder adder);
    static void setViewerTabMaker(ViewerTabMaker maker);
    static void reset();

    static QWidget *createToolPage(int toolType, QWidget *parent);
    static void addFileToToolPage(QWidget *page, int toolType, const QString &path);
    static PdfShowPage *createViewerTab(QWidget *parent);
};
