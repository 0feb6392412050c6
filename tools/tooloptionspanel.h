#pragma once

#include "taskrequest.h"

#include <QWidget>

class IconButton;
class ModernComboBox;
class OutputLocationChoice;
class QButtonGroup;
class QLabel;
class QRadioButton;
class QVBoxLayout;

// The right-hand column of a tool page: a title and the tool's option sections at the top, the
// output location and the start button at the bottom.
class ToolOptionsPanel : public QWidget
{
    Q_OBJECT

public:
    enum class Location { WithSourceFolder, WithoutSourceFolder };
    // Item data role of the option value of an entry in an option combo box.
    static constexpr int OptionValueRole = Qt::UserRole + 3;
    struct OptionEntry
    {
        QString text;
        int value;
    };

    ToolOptionsPanel(const QString &title, const QString &startText, Location location,
                     QWidget *parent = nullptr);

    IconButton *startButton() const { return m_startButton; }
    ModernComboBox *locationComboBox() const { return m_locationCombo; }
    const OutputLocationChoice *location() const { return m_location; }

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    // A bold section heading in the top part, followed by the section's controls.
    void addSection(const QString &heading);
    void addControl(QWidget *control);
    void addSpacing(int pixels);
    // An error text below a field; hidden until the panel shows it.
    QLabel *addErrorLabel(const QString &objectName);
    // A combo box of option entries, the first one current.
    ModernComboBox *addOptionCombo(const QString &objectName, const QList<OptionEntry> &entries);
    static int optionValue(const ModernComboBox *combo);
    // The pair "replace the original" / "keep the original", keeping checked.
    void addSaveOptions();
    SaveMode saveMode() const;

private:
    static constexpr int PanelWidth = 320;
    void fitWidth();

    QVBoxLayout *m_sections = nullptr;
    ModernComboBox *m_locationCombo = nullptr;
    OutputLocationChoice *m_location = nullptr;
    IconButton *m_startButton = nullptr;
    QRadioButton *m_replaceOriginal = nullptr;
    QRadioButton *m_keepOriginal = nullptr;
};
