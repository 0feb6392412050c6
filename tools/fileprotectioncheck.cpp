#include "fileprotectioncheck.h"

#include "dialogseam.h"
#include "pdfeditorbackend.h"

#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

FileProtectionCheck::FileProtectionCheck(QWidget *dialogParent)
    : QObject(dialogParent)
    , m_dialogParent(dialogParent)
    // Opening a file is mostly waiting for the disk; two readers keep a long drop short without
    // taking the cores the jobs use.
    , m_pool(std::make_unique<jobs::Group>(jobs::Lane::Reads, 2))
{}

FileProtectionCheck::~FileProtectionCheck()
{
    m_pool->clear();
    m_pool->waitForDone();
}

void FileProtectionCheck::check(const QStringList &paths)
{
    if (m_ask == Ask::Nothing)
        return;
    for (const QString &path : paths) {
        const quint64 token = ++m_nextToken;
        m_pending.insert(path, token);
        m_passwords.remove(path);
        launch(path, QString(), token, false);
    }
}

void FileProtectionCheck::forget(const QString &path)
{
    m_pending.remove(path);
    m_passwords.remove(path);
    if (m_trying != 0 && !std::any_of(m_pending.cbegin(), m_pending.cend(),
                                      [this](quint64 token) { return token == m_trying; })) {
        m_trying = 0;
        askNext();
        return;
    }
    finishIfIdle();
}

void FileProtectionCheck::forgetAll()
{
    m_pending.clear();
    m_passwords.clear();
    m_prompts.clear();
    m_trying = 0;
    m_pool->clear();
    finishIfIdle();
}

void FileProtectionCheck::launch(const QString &path, const QString &password, quint64 token,
                                 bool answer)
{
    m_pool->start([this, path, password, token, answer] {
        PdfProtection protection;
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        const bool readable =
            PdfEditorBackend::readProtection(path, password, &protection, &error, &message);
        // Queued calls to an object that is gone are dropped, and the pool is drained before
        // this object goes.
        QMetaObject::invokeMethod(
            this,
            [this, path, password, token, answer, readable, protection] {
                onRead(path, password, token, answer, readable, protection);
            },
            Qt::QueuedConnection);
    });
}

bool FileProtectionCheck::needsAsking(const PdfProtection &protection) const
{
    switch (m_ask) {
    case Ask::Nothing:
        return false;
    case Ask::OpenPassword:
        return protection.needsPassword;
    case Ask::OwnerPassword:
        return protection.encrypted && !protection.ownerAccess;
    case Ask::AnyPassword:
        return protection.encrypted && (protection.needsPassword || !protection.ownerAccess);
    }
    return false;
}

bool FileProtectionCheck::accepts(const PdfProtection &protection) const
{
    switch (m_ask) {
    case Ask::OwnerPassword:
        return protection.ownerAccess;
    case Ask::AnyPassword:
        // A file that opens without one is unlocked only by its owner password.
        return protection.needsPassword ? protection.opens : protection.ownerAccess;
    default:
        return protection.opens;
    }
}

void FileProtectionCheck::onRead(const QString &path, const QString &password, quint64 token,
                                 bool answer, bool readable, const PdfProtection &protection)
{
    if (answer && m_trying == token)
        m_trying = 0;
    if (m_pending.value(path) != token) {
        askNext();
        return;
    }
    if (!readable || (!answer && !needsAsking(protection))) {
        // A file that cannot be read is left to its job, which says why it failed.
        m_pending.remove(path);
    } else if (!answer) {
        m_prompts.append({path, false});
    } else if (accepts(protection)) {
        m_passwords.insert(path, password);
        m_pending.remove(path);
    } else {
        m_prompts.prepend({path, true});
    }
    askNext();
}

QString FileProtectionCheck::promptText(const QString &path, bool wrong) const
{
    const QString name = QFileInfo(path).fileName();
    const QString text = m_ask == Ask::OwnerPassword
                             ? tr("更改“%1”的保护需要所有者密码，请输入：").arg(name)
                             : tr("“%1”已加密，请输入密码：").arg(name);
    return wrong ? tr("密码错误，请重试。") + u'\n' + text : text;
}

void FileProtectionCheck::askNext()
{
    if (m_asking || m_trying != 0) {
        finishIfIdle();
        return;
    }
    m_asking = true;
    QPointer<FileProtectionCheck> alive(this);
    while (!m_prompts.isEmpty()) {
        const Prompt prompt = m_prompts.takeFirst();
        if (!m_pending.contains(prompt.path))
            continue;
        const quint64 token = m_pending.value(prompt.path);
        bool ok = false;
        const QString answer = DialogSeam::getText(m_dialogParent, tr("需要密码"),
                                                   promptText(prompt.path, prompt.wrong),
                                                   QLineEdit::Password, QString(), &ok);
        if (!alive)
            return;
        if (m_pending.value(prompt.path) != token)
            continue;
        if (!ok) {
            m_pending.remove(prompt.path);
            continue;
        }
        m_trying = token;
        launch(prompt.path, answer, token, true);
        break;
    }
    m_asking = false;
    finishIfIdle();
}

void FileProtectionCheck::finishIfIdle()
{
    if (!isBusy())
        Q_EMIT finished();
}
