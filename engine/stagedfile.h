#pragma once

#include "batchoutcome.h"

#include <QString>

// A temporary file in an output folder that becomes the output only when the job succeeds: it
// is moved onto its final name in one step, and removed if the job ends any other way.
class StagedFile
{
public:
    explicit StagedFile(const QString &folder);
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

private:
    bool refuseWhenCancelled();

    QString m_folder;
    QString m_path;
    QString m_placed;
    QString m_error;
    BatchFailure m_failure = BatchFailure::None;
};
