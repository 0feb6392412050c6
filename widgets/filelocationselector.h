#pragma once

#include <QAbstractButton>
#include <QMenu>
#include <QPointer>

// A button that shows where output files go (mode name above the folder) and, when clicked, a
// menu of the source folder, the desktop, the documents folder or another folder.
class FileLocationSelector : public QAbstractButton
{
    Q_OBJECT

public:
    enum LocationMode { SourceFolder = 0, Desktop = 1, Documents = 2, Custom = 3 };
    Q_ENUM(LocationMode)

    explicit FileLocationSelector(QWidget *parent = nullptr);

    LocationMode mode() const { return m_mode; }
    // The folder output goes to in the current mode.
    QString directory() const;
    void setLocation(LocationMode mode, const QString &customPath = QString());
    // Picks the mode whose folder matches path (no signal).
    void setDirectory(const QString &path);
    void setSourceFolder(const QString &path);
    QString sourceFolder() const { return m_sourceFolder; }
    bool isSourceFolder() const { return m_mode == SourceFolder; }

    QString modeName(LocationMode mode) const;
    // The menu while it is open, for tests and accessibility tools.
    QMenu *menu() const { return m_menu; }

    static QString normalisedPath(const QString &path);
    static bool samePath(const QString &a, const QString &b);
    static QString standardFolder(LocationMode mode);

    QSize sizeHint() const override;

Q_SIGNALS:
    void directoryChanged(const QString &directory);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void showMenu();
    void chooseOtherFolder();
    void refreshTexts();

    LocationMode m_mode = SourceFolder;
    QString m_sourceFolder;
    QString m_customFolder;
    bool m_hovered = false;
    QPointer<QMenu> m_menu;
};
