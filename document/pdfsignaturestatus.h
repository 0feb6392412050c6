#pragma once

#include "pdfsignatures.h"

#include <QObject>
#include <QString>

class PdfDocumentModel;

// The digital signatures of the file a tab shows: checked on a worker thread after the file was
// opened or saved (a newer check wins over an older one still running), and what a save of the
// tab's pages would do to them.
class PdfSignatureStatus : public QObject
{
    Q_OBJECT

public:
    enum class State { None, Checking, Ready, Failed };
    // What makes a save rewrite a signed file whole, as flags.
    enum SaveChange : int {
        KeepsSignatures = 0,
        PagesMoved = 1,
        PagesRotated = 2,
        PagesDeleted = 4,
        PagesInserted = 8,
        PropertiesChanged = 16,
        Flattened = 32,
        PageNumbersAdded = 64,
        ContentReplaced = 128,
    };

    explicit PdfSignatureStatus(PdfDocumentModel *model, QObject *parent = nullptr);
    ~PdfSignatureStatus() override;

    State state() const { return m_state; }
    // The file the report is about; empty before the first check.
    QString path() const { return m_path; }
    const PdfSignatureReport &report() const { return m_report; }
    // Why the last check failed (the engine's words).
    QString failure() const { return m_failure; }
    // The file carries at least one signature. While a check runs the file is asked directly.
    bool isSigned() const;

    // Checks the model's file again; an empty path clears the status.
    void refresh();

    // KeepsSignatures when writing these pages with these options to the file keeps its
    // signatures (the engine then appends the changes), else what rewrites it.
    int saveChanges(const QList<PdfSourcePage> &pages, const PdfWriteOptions &options) const;

Q_SIGNALS:
    void checkingStarted();
    // The file being checked carries signatures; the report follows.
    void signaturesFound();
    void reportReady(const PdfSignatureReport &report);
    void checkFailed(const QString &message);
    // State, report or failure changed, including being cleared.
    void changed();

private:
    PdfDocumentModel *m_model = nullptr;
    State m_state = State::None;
    QString m_path;
    QString m_password;
    PdfSignatureReport m_report;
    QString m_failure;
    // Pages of the file as it was checked: a save with fewer pages rewrites it.
    int m_filePages = 0;
    quint64 m_generation = 0;
};
