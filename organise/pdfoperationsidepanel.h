#pragma once

#include "pdfviewmode.h"

#include <QPointer>
#include <QWidget>

class FileLocationSelector;
class PdfDocumentModel;
class QCheckBox;
class QListWidget;
class QPushButton;
class QStackedWidget;

// The panel beside the page grid in extract and split mode: options, a live preview of the
// files that will be written, the output folder, and the button that asks for the operation.
class PdfOperationSidePanel : public QWidget
{
    Q_OBJECT

public:
    explicit PdfOperationSidePanel(QWidget *parent = nullptr);
    ~PdfOperationSidePanel() override;

    void setDocumentModel(PdfDocumentModel *model);
    void setWorkspaceMode(PdfWorkspaceMode mode);
    void setSplitPoints(const QList<int> &beforeRows);

    PdfDocumentModel *documentModel() const;
    QList<int> splitRows() const { return m_splitRows; }
    // The custom folder when one was chosen, else the document's own folder.
    QString outputDirectory() const;

Q_SIGNALS:
    void extractRequested(bool combineIntoOne, QString outputDirectory);
    void splitRequested(bool everyPage, QList<int> beforeRows, QString outputDirectory);
    void everyPageSplitToggled(bool enabled);

private:
    QWidget *buildPage(const QString &title, const QString &optionsHeading, QCheckBox *option,
                       const QString &previewHeading, QListWidget *preview,
                       FileLocationSelector *location, QPushButton *action);
    void onLocationChanged(FileLocationSelector *selector);
    void alignSelectors();
    void refreshExtractPreview();
    void refreshSplitPreview();
    void addHint(QListWidget *list, const QString &text);
    QString documentFolder() const;

    QPointer<PdfDocumentModel> m_model;
    QStackedWidget *m_pages = nullptr;
    QWidget *m_extractPage = nullptr;
    QWidget *m_splitPage = nullptr;
    QCheckBox *m_combineCheckBox = nullptr;
    QListWidget *m_extractPreview = nullptr;
    FileLocationSelector *m_extractLocation = nullptr;
    QPushButton *m_extractButton = nullptr;
    QCheckBox *m_everyPageCheckBox = nullptr;
    QListWidget *m_splitPreview = nullptr;
    FileLocationSelector *m_splitLocation = nullptr;
    QPushButton *m_splitButton = nullptr;
    QList<int> m_splitRows;
    QString m_customOutputFolder;
    QString m_lastDocumentPath;
};
