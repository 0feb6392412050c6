#pragma once

#include <QObject>

#include <functional>

class QListWidget;
class QListWidgetItem;
class QWidget;

// Gives the rows of a list of fixed-height rows their item widgets when they come near the
// viewport, not when they are added: a list of hundreds of files or jobs then costs only the
// widgets on screen, and adding to it never stalls the window.
class LazyRowWidgets : public QObject
{
    Q_OBJECT

public:
    using Maker = std::function<QWidget *(QListWidgetItem *item)>;

    LazyRowWidgets(QListWidget *list, int rowHeight, Maker maker);

    // Makes the widgets of the rows on screen and one screen above and below.
    void update();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QListWidget *m_list = nullptr;
    // Compared by address only: the list may be half torn down when its viewport's last events
    // arrive.
    QWidget *m_viewport = nullptr;
    int m_rowHeight = 0;
    Maker m_maker;
};
