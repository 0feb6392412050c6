#pragma once

#include "jobrunner.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

class QWidget;
struct PdfProtection;

// Finds out, off the GUI thread, which files just added to a list are protected, and asks the
// user for the password of each one the tool needs it for: one prompt at a time, naming the file,
// again while the answer is wrong. Cancel skips the file; it stays without a password.
class FileProtectionCheck : public QObject
{
    Q_OBJECT

public:
    enum class Ask {
        Nothing,
        // Files that open only with a password.
        OpenPassword,
        // Protected files, for their owner password: changing their protection needs it.
        OwnerPassword,
        // Protected files, for a password that removes the protection (user or owner).
        AnyPassword,
    };

    explicit FileProtectionCheck(QWidget *dialogParent);
    ~FileProtectionCheck() override;

    void setAsk(Ask ask) { m_ask = ask; }
    Ask ask() const { return m_ask; }

    void check(const QStringList &paths);
    // The file left the list: its check and prompt are dropped, its password forgotten.
    void forget(const QString &path);
    void forgetAll();

    // The password accepted for the file; empty when it needs none or the user skipped it.
    QString password(const QString &path) const { return m_passwords.value(path); }
    // Checks, prompts or answers still under way.
    bool isBusy() const { return !m_pending.isEmpty() || m_asking; }

Q_SIGNALS:
    // Nothing is under way any more.
    void finished();

private:
    struct Prompt
    {
        QString path;
        bool wrong = false;
    };

    void launch(const QString &path, const QString &password, quint64 token, bool answer);
    void onRead(const QString &path, const QString &password, quint64 token, bool answer,
                bool readable, const PdfProtection &protection);
    bool needsAsking(const PdfProtection &protection) const;
    bool accepts(const PdfProtection &protection) const;
    QString promptText(const QString &path, bool wrong) const;
    void askNext();
    void finishIfIdle();

    QPointer<QWidget> m_dialogParent;
    std::unique_ptr<jobs::Group> m_pool;
    Ask m_ask = Ask::Nothing;
    // Files under way, each with the token of its latest check; a result with another token is
    // stale (the file was removed, or removed and added again, meanwhile).
    QHash<QString, quint64> m_pending;
    quint64 m_nextToken = 0;
    QHash<QString, QString> m_passwords;
    QList<Prompt> m_prompts;
    bool m_asking = false;
    // The token of the answer being tried (0 for none); the next prompt waits for it.
    quint64 m_trying = 0;
};
