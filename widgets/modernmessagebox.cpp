#include "modernmessagebox.h"

#include "dialogseam.h"
#include "kitstyle.h"
#include "passwordinput.h"
#include "theme.h"

#include <QCloseEvent>
#include <QFrame>
#include <QFutureWatcher>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString cardStyle(const QString &accent)
{
    return uR"(
QFrame#messageBoxCard { background: %1; border: 1px solid %2; border-radius: 18px; }
QFrame#messageBoxAccent { background: %3; border: none; border-radius: 2px; }
QLabel#messageBoxTitle { color: %4; background: transparent; font-size: 24px; font-weight: 600; }
QLabel#messageBoxMessage { color: %5; background: transparent; font-size: 16px; font-weight: 500; }
QLabel#messageBoxDetails { color: %6; background: transparent; font-size: 14px; }
QProgressBar#messageBoxProgress { background: %7; border: none; border-radius: 4px; }
QProgressBar#messageBoxProgress::chunk { background: %8; border: none; border-radius: 4px; }
QPushButton { padding: 0 20px; border-radius: 21px; font-size: 15px; font-weight: 600; }
)"_s.arg(Theme::surface, Theme::cardBorder, accent, Theme::cardTitle, Theme::cardText,
           Theme::cardDetails, Theme::progressTrack, Theme::accent) +
           uR"(
QPushButton#messageBoxCancelButton, QPushButton#messageBoxActionButton { color: %1; background: %2; border: 1px solid %3; }
QPushButton#messageBoxCancelButton:hover, QPushButton#messageBoxActionButton:hover { background: %4; }
QPushButton#messageBoxCancelButton:pressed, QPushButton#messageBoxActionButton:pressed { background: %5; }
QPushButton#messageBoxDiscardButton { color: %6; background: %2; border: 1px solid %7; }
QPushButton#messageBoxDiscardButton:hover { background: %8; }
QPushButton#messageBoxDiscardButton:pressed { background: %9; }
)"_s.arg(Theme::cardText, Theme::surface, Theme::cancelBorder, Theme::cancelHover,
           Theme::cancelPressed, Theme::discardText, Theme::discardBorder, Theme::discardHover,
           Theme::discardPressed) +
           uR"(
QPushButton#messageBoxConfirmButton { color: %1; background: %2; border: 1px solid %2; }
QPushButton#messageBoxConfirmButton:hover { background: %3; border-color: %3; }
QPushButton#messageBoxConfirmButton:pressed { background: %4; border-color: %4; }
QPushButton#messageBoxConfirmButton[danger="true"] { background: %5; border-color: %6; border-width: 2px; }
QPushButton#messageBoxConfirmButton[danger="true"]:hover { background: %7; }
QPushButton#messageBoxConfirmButton[danger="true"]:pressed { background: %8; }
)"_s.arg(Theme::surface, Theme::accent, Theme::accentHover, Theme::accentPressed,
           Theme::dangerButton, Theme::cardTitle, Theme::dangerButtonHover,
           Theme::dangerButtonPressed);
}

QLabel *wrappedLabel(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    // Titles and messages often carry file names: never let them be read as rich text.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setText(KitStyle::breakAnywhere(text));
    return label;
}

} // namespace

ModernMessageBox::ModernMessageBox(const MessageBoxOptions &options, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_options(options)
{
    setModal(true);
    m_blend = KitStyle::windowsBlend();
    if (m_blend)
        setAttribute(Qt::WA_TranslucentBackground);
    setMinimumWidth(560);
    setMaximumWidth(680);
    buildUi();
    adjustSize();
}

ModernMessageBox::~ModernMessageBox()
{
    dropBackdrop();
}

QString ModernMessageBox::accentColour(int kind)
{
    switch (kind) {
    case MessageBoxOptions::Information:
        return QString(Theme::success);
    case MessageBoxOptions::Warning:
        return QString(Theme::warning);
    case MessageBoxOptions::Error:
        return QString(Theme::danger);
    default:
        return QString(Theme::accent);
    }
}

void ModernMessageBox::buildUi()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(20, 20, 20, 20);

    auto *card = new QFrame(this);
    card->setObjectName(u"messageBoxCard"_s);
    QString style = cardStyle(accentColour(m_options.kind));
    if (m_blend) {
        auto *shadow = new QGraphicsDropShadowEffect(card);
        shadow->setBlurRadius(40);
        shadow->setOffset(0, 12);
        shadow->setColor(QColor(15, 23, 42, 65));
        card->setGraphicsEffect(shadow);
    } else {
        // Without a compositor the box is an opaque square card: no margin, shadow or corners.
        outer->setContentsMargins(0, 0, 0, 0);
        style += u"QFrame#messageBoxCard { border-radius: 0px; }"_s;
    }
    card->setStyleSheet(style);
    outer->addWidget(card);

    QVBoxLayout *layout = KitStyle::cardContent(card, u"messageBoxAccent"_s);
    layout->addWidget(wrappedLabel(m_options.title, u"messageBoxTitle"_s, card));

    if (!m_options.message.isEmpty()) {
        layout->addSpacing(20);
        layout->addWidget(wrappedLabel(m_options.message, u"messageBoxMessage"_s, card));
    }
    if (!m_options.details.isEmpty()) {
        layout->addSpacing(10);
        layout->addWidget(wrappedLabel(m_options.details, u"messageBoxDetails"_s, card));
    }
    if (m_options.showPasswordInput) {
        layout->addSpacing(18);
        m_password = new PasswordInput(card);
        m_password->setObjectName(u"messageBoxPassword"_s);
        m_password->setFixedHeight(48);
        layout->addWidget(m_password);
    }
    if (m_options.showProgress) {
        layout->addSpacing(22);
        auto *progress = new QProgressBar(card);
        progress->setObjectName(u"messageBoxProgress"_s);
        progress->setRange(0, 0);
        progress->setTextVisible(false);
        progress->setFixedHeight(8);
        layout->addWidget(progress);
    }

    layout->addSpacing(28);
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    if (!m_options.actionText.isEmpty()) {
        QPushButton *action = addButton(m_options.actionText, u"messageBoxActionButton"_s);
        row->addWidget(action);
        connect(action, &QPushButton::clicked, this, [this] {
            m_result = Action;
            accept();
        });
    }
    row->addStretch();
    layout->addLayout(row);

    if (m_options.showCancel) {
        const QString text = m_options.cancelText.isEmpty() ? tr("取消") : m_options.cancelText;
        QPushButton *cancel = addButton(text, u"messageBoxCancelButton"_s);
        row->addWidget(cancel);
        connect(cancel, &QPushButton::clicked, this, [this] {
            m_result = Cancelled;
            reject();
        });
    }
    if (m_options.showDiscard) {
        const QString text = m_options.discardText.isEmpty() ? tr("不保存") : m_options.discardText;
        QPushButton *discard = addButton(text, u"messageBoxDiscardButton"_s);
        row->addWidget(discard);
        connect(discard, &QPushButton::clicked, this, [this] {
            m_result = Discarded;
            accept();
        });
    }
    if (m_options.showConfirm) {
        const QString text = m_options.confirmText.isEmpty() ? tr("确定") : m_options.confirmText;
        QPushButton *confirm = addButton(text, u"messageBoxConfirmButton"_s);
        confirm->setDefault(true);
        confirm->setProperty("danger", m_options.kind == MessageBoxOptions::Error);
        row->addWidget(confirm);
        connect(confirm, &QPushButton::clicked, this, [this] {
            m_result = Confirmed;
            accept();
        });
        if (m_password)
            connect(m_password->lineEdit(), &QLineEdit::returnPressed, confirm,
                    &QPushButton::click);
    }
}

QPushButton *ModernMessageBox::addButton(const QString &text, const QString &objectName)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(objectName);
    button->setCursor(Qt::PointingHandCursor);
    button->setMinimumSize(92, 42);
    return button;
}

int ModernMessageBox::exec()
{
    // A progress box closes itself when its work ends, so the seam never answers it.
    // A password box is asked through the seam's text answers by its caller.
    if (!m_options.showProgress && !m_options.showPasswordInput) {
        if (const auto answer =
                DialogSeam::messageBoxAnswer(m_options.title, m_options.message, m_options.kind)) {
            m_result = *answer;
            setResult(m_result);
            return m_result;
        }
    }
    QDialog::exec();
    return m_result;
}

void ModernMessageBox::reject()
{
    if (m_cancel) {
        // A job's box: it closes when the job has stopped.
        const std::function<void()> cancel = std::exchange(m_cancel, {});
        cancel();
        if (auto *button = findChild<QPushButton *>(u"messageBoxCancelButton"_s)) {
            button->setEnabled(false);
            // The kit's buttons have no disabled look of their own.
            button->setStyleSheet(u"color: %1;"_s.arg(Theme::textMuted));
        }
        if (auto *message = findChild<QLabel *>(u"messageBoxMessage"_s))
            message->setText(m_cancelling);
        return;
    }
    if (!m_options.mayReject)
        return;
    QDialog::reject();
}

void ModernMessageBox::waitFor(const QFuture<void> &job, MessageBoxOptions options, QWidget *parent,
                               const QString &objectName, const Wait &wait)
{
    if (!job.isFinished())
        waitFor([job] { return job; }, std::move(options), parent, objectName, wait);
}

QFuture<void> ModernMessageBox::waitFor(const std::function<QFuture<void>()> &start,
                                        MessageBoxOptions options, QWidget *parent,
                                        const QString &objectName, const Wait &wait)
{
    options.showProgress = true;
    options.showConfirm = false;
    options.showDiscard = false;
    options.showCancel = bool(wait.cancel);
    options.mayReject = false;
    if (wait.details)
        options.details = wait.details();
    ModernMessageBox box(options, parent);
    box.setObjectName(objectName);
    box.m_cancel = wait.cancel;
    box.m_cancelling = wait.cancelling;
    QTimer details;
    if (wait.details) {
        details.setInterval(200);
        QObject::connect(&details, &QTimer::timeout, &box, [&box, &wait] {
            if (auto *label = box.findChild<QLabel *>(u"messageBoxDetails"_s))
                label->setText(wait.details());
        });
        details.start();
    }
    QFuture<void> job;
    QFutureWatcher<void> watcher;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &box, &QDialog::accept);
    QTimer::singleShot(0, &box, [&] {
        job = start();
        watcher.setFuture(job);
    });
    box.exec();
    return job;
}

void ModernMessageBox::closeEvent(QCloseEvent *event)
{
    if (!m_options.mayReject) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void ModernMessageBox::showEvent(QShowEvent *event)
{
    // The size hint underestimates wrapped titles and messages (longer in most translations):
    // take the height the box needs at the width it really got.
    if (const int needed = heightForWidth(width()); needed > height())
        resize(width(), needed);
    showBackdrop();
    centre();
    QDialog::showEvent(event);
    // Some window managers place a new window themselves once it is mapped: centre once more.
    QTimer::singleShot(0, this, &ModernMessageBox::centre);
    if (m_password)
        m_password->lineEdit()->setFocus(Qt::OtherFocusReason);
}

void ModernMessageBox::hideEvent(QHideEvent *event)
{
    dropBackdrop();
    QDialog::hideEvent(event);
}

bool ModernMessageBox::eventFilter(QObject *watched, QEvent *event)
{
    if (m_backdrop && watched == m_backdrop->parentWidget() && event->type() == QEvent::Resize)
        m_backdrop->setGeometry(m_backdrop->parentWidget()->rect());
    return QDialog::eventFilter(watched, event);
}

void ModernMessageBox::showBackdrop()
{
    if (!parentWidget() || m_backdrop)
        return;
    QWidget *window = parentWidget()->window();
    auto *backdrop = new QWidget(window);
    backdrop->setObjectName(u"modalBackdrop"_s);
    backdrop->setAttribute(Qt::WA_StyledBackground);
    backdrop->setStyleSheet(u"background: rgba(15, 23, 42, 38);"_s);
    backdrop->setGeometry(window->rect());
    backdrop->show();
    backdrop->raise();
    window->installEventFilter(this);
    m_backdrop = backdrop;
}

void ModernMessageBox::dropBackdrop()
{
    if (!m_backdrop)
        return;
    if (QWidget *window = m_backdrop->parentWidget())
        window->removeEventFilter(this);
    m_backdrop->hide();
    m_backdrop->deleteLater();
    m_backdrop = nullptr;
}

void ModernMessageBox::centre()
{
    QRect target;
    if (parentWidget())
        target = parentWidget()->window()->frameGeometry();
    else if (QScreen *s = screen())
        target = s->availableGeometry();
    else
        return;
    QRect box = frameGeometry();
    box.moveCenter(target.center());
    move(box.topLeft());
}

QString ModernMessageBox::enteredText() const
{
    return m_password ? m_password->lineEdit()->text() : QString();
}

namespace {

MessageBoxOptions noticeOptions(int kind, const QString &title, const QString &message,
                                const QString &details)
{
    MessageBoxOptions o;
    o.kind = kind;
    o.title = title;
    o.message = message;
    o.details = details;
    return o;
}

} // namespace

void ModernMessageBox::showInformation(QWidget *parent, const QString &title,
                                       const QString &message, const QString &details)
{
    ModernMessageBox box(noticeOptions(MessageBoxOptions::Information, title, message, details),
                         parent);
    box.exec();
}

void ModernMessageBox::showWarning(QWidget *parent, const QString &title, const QString &message,
                                   const QString &details)
{
    ModernMessageBox box(noticeOptions(MessageBoxOptions::Warning, title, message, details),
                         parent);
    box.exec();
}

void ModernMessageBox::showError(QWidget *parent, const QString &title, const QString &message,
                                 const QString &details)
{
    ModernMessageBox box(noticeOptions(MessageBoxOptions::Error, title, message, details), parent);
    box.exec();
}

int ModernMessageBox::confirm(QWidget *parent, const QString &title, const QString &message,
                              const QString &details, const QString &confirmText,
                              const QString &cancelText, int kind)
{
    MessageBoxOptions o = noticeOptions(kind, title, message, details);
    o.confirmText = confirmText;
    o.cancelText = cancelText;
    o.showCancel = true;
    ModernMessageBox box(o, parent);
    return box.exec();
}

int ModernMessageBox::confirmWithDiscard(QWidget *parent, const QString &title,
                                         const QString &message, const QString &details,
                                         const QString &confirmText, const QString &discardText,
                                         const QString &cancelText, int kind)
{
    MessageBoxOptions o = noticeOptions(kind, title, message, details);
    o.confirmText = confirmText;
    o.discardText = discardText;
    o.cancelText = cancelText;
    o.showCancel = true;
    o.showDiscard = true;
    ModernMessageBox box(o, parent);
    return box.exec();
}

QString ModernMessageBox::askPassword(QWidget *parent, const QString &title, const QString &prompt,
                                      bool *ok)
{
    MessageBoxOptions o = noticeOptions(MessageBoxOptions::Question, title, prompt, QString());
    o.showCancel = true;
    o.showPasswordInput = true;
    ModernMessageBox box(o, parent);
    const bool confirmed = box.exec() == Confirmed;
    if (ok)
        *ok = confirmed;
    return confirmed ? box.enteredText() : QString();
}
