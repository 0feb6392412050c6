#pragma once

#include <QLineEdit>

// The search field above the recent files table, with a magnifier inside its left edge.
class SearchBarWidget : public QLineEdit
{
    Q_OBJECT

public:
    explicit SearchBarWidget(QWidget *parent = nullptr);
};
