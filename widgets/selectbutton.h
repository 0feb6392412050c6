#pragma once

#include <QWidget>

class QLabel;

// A selectable card with an icon and a label; pressing it selects it (it never deselects itself).
class SelectButton : public QWidget
{
    Q_OBJECT

public:
    explicit SelectButton(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }

Q_SIGNALS:
    void sigSelected();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_hovered = false;
    bool m_selected = false;
    QLabel *m_iconLabel = nullptr;
    QLabel *m_textLabel = nullptr;
};
