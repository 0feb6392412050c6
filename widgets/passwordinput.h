#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;

// A password field with a lock icon, a show/hide eye and an error border.
class PasswordInput : public QWidget
{
    Q_OBJECT

public:
    explicit PasswordInput(QWidget *parent = nullptr);

    QLineEdit *lineEdit() const { return m_lineEdit; }
    void setError(bool error);
    bool hasError() const { return m_error; }
    // The border colour as currently painted: focus, then hover, then error.
    QColor borderColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_lockIcon = nullptr;
    QLineEdit *m_lineEdit = nullptr;
    QAction *m_eye = nullptr;
    bool m_error = false;
    bool m_hovered = false;
};
