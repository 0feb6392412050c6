#pragma once

#include <QWidget>

class QLabel;
class QRadioButton;

// A selectable card: a radio button beside a bold title and a one-line description.
class CardRadioButton : public QWidget
{
    Q_OBJECT

public:
    explicit CardRadioButton(const QString &title, const QString &description,
                             QWidget *parent = nullptr);

    bool isChecked() const;
    void setChecked(bool checked);
    QRadioButton *radioButton() const { return m_radio; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QRadioButton *m_radio = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_description = nullptr;
    bool m_hovered = false;
};
