#pragma once

#include <QStringList>
#include <QWidget>

class IconButton;
class QLabel;

// The empty state of a tool page: a dashed drop target with a prompt and an add button.
class FileDropZoneWidget : public QWidget
{
    Q_OBJECT

public:
    explicit FileDropZoneWidget(QWidget *parent = nullptr);

    void setPromptText(const QString &text);
    QString promptText() const;
    void setFilter(const QString &filter) { m_filter = filter; }
    QString filter() const { return m_filter; }
    void setCaption(const QString &caption) { m_caption = caption; }
    QString caption() const { return m_caption; }

Q_SIGNALS:
    void fileSelected(const QStringList &path);

public Q_SLOTS:
    void chooseFile();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_filter;
    QString m_caption;
    QLabel *m_iconLabel = nullptr;
    QLabel *m_promptLabel = nullptr;
    IconButton *m_addButton = nullptr;
};
