#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;

// A check box with a wrapped description below it, on a white card.
class MoreOption : public QWidget
{
    Q_OBJECT

public:
    explicit MoreOption(QWidget *parent = nullptr);

    void setText(const QString &text);
    void setDescription(const QString &description);
    QCheckBox *checkBox() const { return m_checkBox; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QCheckBox *m_checkBox = nullptr;
    QLabel *m_description = nullptr;
};
