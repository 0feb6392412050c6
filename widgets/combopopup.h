#pragma once

#include <QWidget>

class QListWidget;
class QListWidgetItem;

// The drop-down list of a ModernComboBox: a frameless popup window around one list widget.
class ComboPopup : public QWidget
{
    Q_OBJECT

public:
    // The popup is a top-level window; `owner` is the combo box that opens it.
    explicit ComboPopup(QWidget *owner = nullptr);

    QListWidget *listWidget() const { return m_list; }

Q_SIGNALS:
    // The current entry was picked from the keyboard.
    void itemChosen(QListWidgetItem *item);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitToRows();

    QListWidget *m_list = nullptr;
    bool m_blend = true;
};
