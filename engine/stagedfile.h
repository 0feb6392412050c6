#pragma once

#include <QString>

// A temporary file in an output folder that becomes the output only when the job succeeds: it
// is renamed onto its final name in one step, and removed if the job ends any other way.
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

    // Replaces target (which may be a source of the job) with the staged file. An existing
    // target keeps its permissions.
    bool commitTo(const QString &target);
    // Moves the staged file to the first of "<base>.pdf", "<base>(1).pdf", ... that does not
    // exist in folder; never replaces a file. Returns the name taken, or an empty string.
    QString commitToFreeName(const QString &folder, const QString &base);

private:
    QString m_path;
    QString m_error;
};
