#pragma once

#include <QMenu>

// A menu cut to a rounded rectangle, so its translucent corners never show a square edge.
class RoundedPopupMenu : public QMenu
{
    Q_OBJECT

public:
    static constexpr double CornerRadius = 8.0;

    explicit RoundedPopupMenu(QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void updateMask();
};
