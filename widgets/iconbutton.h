#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>

class QLabel;

// A filled, rounded push button with an optional icon in front of its text.
class IconButton : public QPushButton
{
    Q_OBJECT

public:
    explicit IconButton(const QString &text = QString(), QWidget *parent = nullptr,
                        bool centred = false);

    // Also sets the border, and a hover colour 12 % lighter.
    void setBackgroundColor(const QColor &color);
    void setHoverColor(const QColor &color);
    void setBorderColor(const QColor &color);
    void setTextColor(const QColor &color);
    void setPixmap(const QPixmap &pixmap);
    void setText(const QString &text);
    QString text() const;

    QColor backgroundColor() const { return m_background; }
    QColor hoverColor() const { return m_hover; }
    QColor borderColor() const { return m_border; }
    bool isHovered() const { return m_hovered; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLabel *m_iconLabel = nullptr;
    QLabel *m_textLabel = nullptr;
    bool m_hovered = false;
    bool m_pressed = false;
    QColor m_background;
    QColor m_hover;
    QColor m_border;
    QPixmap m_pixmap;
};
