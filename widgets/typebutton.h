#pragma once

#include <QRadioButton>

class QLabel;

// A radio button drawn as a selectable card with an icon and a label.
class TypeButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit TypeButton(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;
    void setPixmap(const QPixmap &pixmap);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    bool m_hovered = false;
    QLabel *m_iconLabel = nullptr;
    QLabel *m_textLabel = nullptr;
};
