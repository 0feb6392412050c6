#pragma once

#include <QListView>

// The list of the thumbnail strip. A card dragged over another card lands before it when
// dropped on its upper half and after it when dropped on its lower half, so that dragging a
// page one place down works like dragging it one place up.
class ThumbnailListView : public QListView
{
    Q_OBJECT

public:
    explicit ThumbnailListView(QWidget *parent = nullptr);
    ~ThumbnailListView() override;

    // The row a drop at pos inserts before; the row count past the last card.
    int dropRowAt(const QPoint &pos) const;

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool carriesPages(const QDropEvent *event) const;
    void setIndicatorRow(int row);

    int m_indicatorRow = -1;
};
