#pragma once

#include <QHash>
#include <QString>

#include <optional>

// Where the reader left each document: page, zoom and view, kept as "reading_places.json" in the
// writable application configuration folder. Only the most recently read files are kept, and
// files that are gone are dropped whenever the store is written.
class ReadingPlaceStore
{
public:
    static constexpr int MaximumFiles = 200;

    struct Place
    {
        int page = 0;
        double zoom = 1.0;
        int fitMode = 0;  // PdfFitMode: none, width, page
        int viewMode = 0; // PdfViewMode
        int layout = 0;   // PdfPageLayout
        int viewRotation = 0;
        qint64 readAt = 0; // milliseconds since the epoch
        // The file as it was left; another file under the name starts at its beginning.
        qint64 size = -1;
        qint64 modifiedNs = 0;
    };

    // The process-wide store in the application configuration folder.
    static ReadingPlaceStore &instance();
    static QString defaultFilePath();

    explicit ReadingPlaceStore(const QString &filePath);

    QString filePath() const { return m_filePath; }
    // The place of a file by its path, when it is still the file that was left there; the same
    // file under another spelling finds it too.
    std::optional<Place> place(const QString &path) const;
    // Stores the place (stamped now when readAt is 0) and writes the store.
    void remember(const QString &path, Place place);
    int size() const { return int(m_places.size()); }

private:
    static QString keyOf(const QString &path);
    void load();
    void save();

    QString m_filePath;
    QHash<QString, Place> m_places;
};
