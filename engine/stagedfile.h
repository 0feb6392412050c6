#pragma once

#include "batchtypes.h"

#include <QString>

// A temporary file in an output folder that becomes the output only when the job succeeds: it
// is moved onto its final name in one step, and removed if the job ends any other way.
// Where the system allows, it has no name until then (Linux: O_TMPFILE), so even a killed
// process leaves nothing behind; path() then names it through /proc/self/fd.
class StagedFile
{
public:
    // Named: always a hidden file in the folder, for writers that stage their own output beside
    // the path they are given.
    enum class Kind { Anonymous, Named };
    explicit StagedFile(const QString &folder, Kind kind = Kind::Anonymous);
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;
    ~StagedFile();

    bool isValid() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }
    QString errorString() const { return m_error; }
    // Why the last step failed, and the folder it concerns.
    BatchFailure failure() const { return m_failure; }
    QString folder() const { return m_folder; }

    // Replaces target, the job's own source, with the staged file; target keeps its permissions.
    bool replace(const QString &target);
    // Moves the staged file to target, or, when that name is taken on disk or promised to
    // another unfinished job, to the next free "<stem>(n).<suffix>"; never replaces a file.
    // The name taken is placedPath() and is recorded as the job's output.
    bool commitTo(const QString &target);
    // commitTo "<folder>/<base>.pdf"; the name taken, or an empty string.
    QString commitToFreeName(const QString &folder, const QString &base);
    QString placedPath() const { return m_placed; }
    // Who the names taken are promised to; by default the batch job running on this thread.
    void setOwner(const QString &owner) { m_owner = owner; }

private:
    bool refuseWhenCancelled();
    bool makeNamed();
    bool makeAnonymous();
    // Gives the staged bytes the name to without replacing anything there (Exists if taken).
    int placeAt(const QString &to, QString *why);

    QString m_folder;
    QString m_owner;
    int m_descriptor = -1; // the anonymous file, or -1
    QString m_path;
    QString m_placed;
    QString m_error;
    BatchFailure m_failure = BatchFailure::None;
};
