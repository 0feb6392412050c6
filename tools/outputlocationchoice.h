#pragma once

#include <QObject>

class ModernComboBox;
struct TaskRequest;

// The output location entries of an options panel's combo box and their meaning for a request:
// the source file's folder, the desktop, the program's folder under the documents, or a folder
// the user picked.
class OutputLocationChoice : public QObject
{
    Q_OBJECT

public:
    // Fills combo with its entries; the merge panel has no source-folder entry.
    OutputLocationChoice(ModernComboBox *combo, bool withSourceFolder);

    // The location mode of the entry in use (FileLocationSelector::LocationMode values).
    int currentMode() const;
    // Sets useSourceFolder and, unless the output goes next to each source, outputPath.
    void resolve(TaskRequest &request) const;

    // "Velmora" under the documents folder, created when missing.
    static QString programFolder();
    // The desktop folder, created when missing.
    static QString desktopFolder();
    // The folder a mode names by itself (desktop, documents); empty for the others.
    static QString namedFolder(int mode);
    // Why the folder of the current entry cannot be written into, when it is the desktop or the
    // program's folder and could not be made; empty when it is there.
    QString folderProblem() const;

private:
    void onIndexChanged(int index);
    bool isUsable(int index) const;

    ModernComboBox *m_combo = nullptr;
    int m_lastUsable = 0;
};
