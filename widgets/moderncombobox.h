#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QPushButton>

class ComboPopup;
class QListWidgetItem;

// A combo box drawn as a rounded field that opens its own popup list. An entry may be a folder
// choice: picking it asks for a folder, which then becomes the entry's text.
class ModernComboBox : public QPushButton
{
    Q_OBJECT

public:
    // Item data roles.
    enum Role : int {
        IconRole = Qt::UserRole,
        TextRole = Qt::UserRole + 1,
        ModeRole = Qt::UserRole + 4
    };
    static constexpr int FolderChoiceMode = 3;

    explicit ModernComboBox(QWidget *parent = nullptr, bool popupAbove = false);

    void addItem(const QString &text, const QIcon &icon = QIcon(), bool folderChoice = false);
    void setCurrentItem(int index);
    int currentIndex() const { return m_currentIndex; }
    QString currentText() const;
    int count() const { return int(m_items.size()); }
    QListWidgetItem *item(int index) const;
    QListWidgetItem *currentListItem() const { return m_currentItem; }
    QListWidgetItem *lastAddedItem() const { return m_lastAdded; }
    QListWidgetItem *folderChoiceItem() const { return m_folderChoiceItem; }
    ComboPopup *popup() const { return m_popup; }

Q_SIGNALS:
    void currentIndexChanged(int index);

public Q_SLOTS:
    void onItemClicked(QListWidgetItem *item);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void togglePopup();

    struct Entry
    {
        QString text;
        QIcon icon;
    };

    QList<Entry> m_items;
    int m_currentIndex = -1;
    ComboPopup *m_popup = nullptr;
    QPixmap m_arrow;
    bool m_hovered = false;
    bool m_popupAbove = false;
    QListWidgetItem *m_currentItem = nullptr;
    QListWidgetItem *m_lastAdded = nullptr;
    QListWidgetItem *m_folderChoiceItem = nullptr;
};
