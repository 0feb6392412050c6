#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// The persistent list of opened PDF files, newest first, kept in "recent_files.json" in the
// writable application configuration folder and written through on every add.
class RecentFileManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaximumCount = 200;

    // The process-wide store, made on first use in the application configuration folder.
    static RecentFileManager &instance();
    // Where the process-wide store keeps its file.
    static QString defaultFilePath();

    // A store kept in the given file; its folder is created and the file loaded.
    explicit RecentFileManager(const QString &filePath, QObject *parent = nullptr);

    QString filePath() const { return m_filePath; }
    // Exact, case-sensitive comparison.
    bool contains(const QString &path) const;
    QStringList paths() const { return m_paths; }
    // Puts the path in front (taking it from where it stood), trims to the maximum count, and
    // saves.
    void add(const QString &path);
    // Takes a path off the list and saves; false when it was not there.
    bool remove(const QString &path);
    // Writes the whole list to the store file, replacing it in one step.
    void save();

private:
    void load();
    // A file that could not be understood is copied aside before it is overwritten; false when
    // the copy failed.
    bool keepUnreadableFile();

    QString m_filePath;
    QStringList m_paths;
    int m_maximumCount = MaximumCount;
    bool m_fileUnreadable = false;
};
