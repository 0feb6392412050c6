#pragma once

#include "pdfviewmode.h"

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QWidget>

class QAction;
class QButtonGroup;
class QMenu;
class QPushButton;
class RoundedPopupMenu;

// The bar across the top of a viewer tab. It acts on nothing itself: every control emits a
// signal for the viewer, and the viewer pushes view mode, task mode and enabled states back.
// Each command is one action (text, icon, key, enabled state): its button, its menu entry and
// its key (PdfViewerShortcuts) all trigger it, and its tool tip names the key.
class PdfTopToolBar : public QWidget
{
    Q_OBJECT

public:
    enum class Command {
        Save,
        SaveAs,
        Print,
        RevealInFolder,
        Undo,
        Redo,
        Delete,
        RotateLeft,
        RotateRight,
        Insert,
        Extract,
        Split,
        Compress,
        ConvertToOffice,
        ConvertToImages,
        Encrypt,
        Decrypt,
        PageNumbers,
        Properties,
        Sign,
    };

    explicit PdfTopToolBar(QWidget *parent = nullptr);

    QAction *action(Command command) const { return m_actions.value(command); }
    // "Text (Ctrl+Z)": the action's text with its first key, for tool tips.
    static QString toolTipOf(const QAction *action);

    PdfViewMode viewMode() const { return PdfViewMode(m_viewMode); }
    PdfWorkspaceMode workspaceMode() const { return PdfWorkspaceMode(m_workspaceMode); }
    QMenu *toolsMenu() const;
    QMenu *moreMenu() const;

    void setViewMode(PdfViewMode mode);
    void setWorkspaceMode(PdfWorkspaceMode mode);
    void setDocumentActionsEnabled(bool enabled);
    void setSelectionActionsEnabled(bool enabled);
    // Off while every page is selected, its tool tip saying why: a document keeps a page.
    void setDeleteAllowed(bool allowed);
    void setUndoRedoEnabled(bool undo, bool redo);
    void setAllSelected(bool checked);
    void setThumbnailChecked(bool checked);
    // The annotation tool in use shows as pressed; none for an empty id.
    void setActiveAnnotationAction(const QString &id);
    // Off where the file's permissions forbid annotating (the hand tool stays).
    void setAnnotationActionsEnabled(bool enabled);
    // The action of an annotation button ("highlight" … "arrow", "style", "delete"): the tools
    // have single keys, for the reading view only (PdfViewerShortcuts).
    QAction *annotationAction(const QString &id) const { return m_annotationActions.value(id); }
    // The style button shows the colour the next annotation (or the chosen one) takes.
    void setAnnotationStyleColour(const QColor &colour);

    // Where the more menu opens, in global coordinates: right edges aligned, just below.
    QPoint moreMenuPosition() const;

Q_SIGNALS:
    void documentViewRequested();
    void pageManageViewRequested();
    void thumbnailToggled(bool visible);
    void insertModeRequested();
    void extractModeRequested();
    void splitModeRequested();
    void rotateLeftRequested();
    void rotateRightRequested();
    void deleteRequested();
    void selectAllToggled(bool selected);
    void handToolToggled(bool enabled);
    void undoRequested();
    void redoRequested();
    void searchRequested();
    void saveRequested();
    void saveAsRequested();
    void printRequested();
    void revealInFolderRequested();
    void compressRequested();
    void convertToOfficeRequested();
    void convertToImagesRequested();
    void encryptRequested();
    void decryptRequested();
    void pageNumberRequested();
    void propertiesRequested();
    void signRequested();
    void annotationActionRequested(const QString &actionId);

private:
    QAction *makeAction(Command command, const QString &text, const QString &icon,
                        const QList<QKeySequence> &keys, void (PdfTopToolBar::*signal)());
    // The button triggers the action and follows its enabled state.
    void bind(QPushButton *button, Command command);
    QPushButton *makeButton(const QString &text, const QString &toolTip, bool checkable,
                            const QString &iconName = QString());
    static void setIconPath(QPushButton *button, const QString &path);
    QWidget *makeSeparator();
    void buildToolsMenu();
    void buildMoreMenu();
    void updateSelectAllImage();
    void showMoreMenu();

    QHash<Command, QAction *> m_actions;
    qint32 m_viewMode = 0;
    qint32 m_workspaceMode = 0;
    QPushButton *m_documentViewButton = nullptr;
    QPushButton *m_pageManageViewButton = nullptr;
    QButtonGroup *m_viewModeButtons = nullptr;
    QWidget *m_viewModeGroup = nullptr;
    QPushButton *m_thumbnailButton = nullptr;
    QPushButton *m_toolsButton = nullptr;
    QWidget *m_annotationGroup = nullptr;
    QList<QPushButton *> m_annotationButtons;
    QHash<QString, QAction *> m_annotationActions;
    QPushButton *m_styleButton = nullptr;
    QWidget *m_pageTaskGroup = nullptr;
    QButtonGroup *m_pageTaskButtons = nullptr;
    QPushButton *m_insertButton = nullptr;
    QPushButton *m_extractButton = nullptr;
    QPushButton *m_splitButton = nullptr;
    QPushButton *m_rotateLeftButton = nullptr;
    QPushButton *m_rotateRightButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QPushButton *m_selectAllButton = nullptr;
    QPushButton *m_undoButton = nullptr;
    QPushButton *m_redoButton = nullptr;
    QPushButton *m_moreButton = nullptr;
    RoundedPopupMenu *m_toolsMenu = nullptr;
    RoundedPopupMenu *m_moreMenu = nullptr;
};
