#pragma once

#include <QWidget>

// The first tab of the main page. The side navigation and the recent files list fill it; until
// they do, it is an empty page that already speaks the main page's signals.
class HomePage : public QWidget
{
    Q_OBJECT

public:
    explicit HomePage(QWidget *parent = nullptr);

    // Hands a file that was opened to the recent files list.
    void recordOpenedFile(const QString &filePath);

Q_SIGNALS:
    void toolClicked(int toolType);
    void openFile(const QString &filePath);
    void fileClicked(const QString &path);
};
