#pragma once

#include <QPoint>
#include <QWidget>

class QLabel;
class QPushButton;

// One row of the file list: drag handle, icon, name and size, and a remove button. Dragging the
// row (past the drag distance) reports its movement so the list can reorder it.
class FileListItem : public QWidget
{
    Q_OBJECT

public:
    explicit FileListItem(const QString &filePath, QWidget *parent = nullptr);

    QString filePath() const { return m_filePath; }
    bool isDragging() const { return m_dragging; }
    // The look of the rows, set once on the list that holds them.
    static QString styleRules();
    // Enters or leaves the dragging look; the list ends a drag through here too.
    void setDragging(bool dragging);

Q_SIGNALS:
    void close();
    void dragStarted();
    void dragMoved(const QPoint &globalPosition);
    void dragFinished();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_filePath;
    bool m_pressed = false;
    bool m_dragging = false;
    QPoint m_pressPosition;
    QLabel *m_handleLabel = nullptr;
    QLabel *m_iconLabel = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLabel *m_sizeLabel = nullptr;
    QPushButton *m_closeButton = nullptr;
};
