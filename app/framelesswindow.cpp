#include "framelesswindow.h"

#include "lastsession.h"
#include "mainpage.h"
#include "theme.h"
#include "titlebar.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr qreal cornerRadius = 12;

} // namespace

FramelessWindow::FramelessWindow(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(PreferredMinimum);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    setAttribute(Qt::WA_TranslucentBackground);

    m_titleBar = new TitleBar(this);
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(1, 0, 1, 1);
    m_layout->setSpacing(0);
    // The screen bounds the window, not what the content would like at least.
    m_layout->setSizeConstraint(QLayout::SetNoConstraint);
    m_layout->addWidget(m_titleBar);

    connect(m_titleBar, &TitleBar::minimizeRequested, this, &QWidget::showMinimized);
    connect(m_titleBar, &TitleBar::maximizeRestoreRequested, this, [this] {
        if (isSquare())
            showNormal();
        else
            showMaximized();
    });
    connect(m_titleBar, &TitleBar::closeRequested, this, &QWidget::close);
    connect(m_titleBar, &TitleBar::languageRequested, this,
            [this] { ShellServices::instance().runLanguageDialog(this); });
    connect(m_titleBar, &TitleBar::accountRequested, this,
            [this] { ShellServices::instance().runAccountDialog(this); });
    connect(&ShellServices::instance(), &ShellServices::accountChanged, this,
            &FramelessWindow::refreshAccountText);
    refreshAccountText();

    // Full screen drops the rounded border like maximising does, and F11 brings it back.
    auto *fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    fullScreen->setContext(Qt::WindowShortcut);
    connect(fullScreen, &QShortcut::activated, this, &FramelessWindow::toggleFullScreen);
}

void FramelessWindow::fitToScreen(const QSize &wanted)
{
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        resize(wanted);
        return;
    }
    // Large scale factors leave few logical pixels: the title bar's buttons must stay on screen.
    const QRect available = screen->availableGeometry();
    setMinimumSize(PreferredMinimum.boundedTo(available.size()));
    const QSize size = wanted.boundedTo(available.size());
    resize(size);
    move(available.center() - QPoint(size.width() / 2, size.height() / 2));
}

QString FramelessWindow::placementFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(folder).filePath(QStringLiteral("window.ini"));
}

void FramelessWindow::restorePlacement(const QSize &wanted)
{
    fitToScreen(wanted);
    const QSettings settings(placementFilePath(), QSettings::IniFormat);
    const QByteArray geometry = settings.value(QStringLiteral("geometry")).toByteArray();
    // Off-screen places are brought back onto a screen by restoreGeometry itself.
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        return;
    // Full screen is a moment's choice; the next start shows the window.
    if (windowState() & Qt::WindowFullScreen)
        setWindowState(windowState() & ~Qt::WindowFullScreen);
}

void FramelessWindow::rememberPlacement() const
{
    QDir().mkpath(QFileInfo(placementFilePath()).absolutePath());
    QSettings settings(placementFilePath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
}

bool FramelessWindow::isSquare() const
{
    return isMaximized() || isFullScreen();
}

void FramelessWindow::toggleFullScreen()
{
    if (isFullScreen()) {
        if (m_maximizedBeforeFullScreen)
            showMaximized();
        else
            showNormal();
        return;
    }
    m_maximizedBeforeFullScreen = isMaximized();
    showFullScreen();
}

void FramelessWindow::setContentWidget(QWidget *widget)
{
    if (!widget || widget == m_contentWidget)
        return;
    if (m_contentWidget) {
        m_layout->removeWidget(m_contentWidget);
        m_contentWidget->hide();
        m_contentWidget->deleteLater();
    }
    m_contentWidget = widget;
    widget->setParent(this);
    m_layout->addWidget(widget);
    if (auto *page = qobject_cast<MainPage *>(widget))
        page->setPagesOnly(isFullScreen());
    widget->show();
}

QString FramelessWindow::accountButtonText(const ShellServices::Account &account)
{
    if (account.token.isEmpty())
        return QString();
    if (!account.username.isEmpty())
        return account.username;
    return account.email.section(u'@', 0, 0);
}

void FramelessWindow::refreshAccountText()
{
    m_titleBar->setAccountText(accountButtonText(ShellServices::instance().currentAccount()));
}

void FramelessWindow::updateMask()
{
    if (isSquare()) {
        clearMask();
        return;
    }
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void FramelessWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = isSquare() ? 0 : cornerRadius;
    p.setBrush(Theme::color(Theme::borderStrong));
    p.drawRoundedRect(outer, radius, radius);
    const QRectF inner = outer.adjusted(1, 1, -1, -1);
    const qreal innerRadius = qMax(radius - 1, 0.0);
    p.setBrush(Theme::color(Theme::windowBackground));
    p.drawRoundedRect(inner, innerRadius, innerRadius);
}

void FramelessWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && event->position().y() <= m_dragStripHeight) {
        m_dragging = true;
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void FramelessWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void FramelessWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = false;
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void FramelessWindow::closeEvent(QCloseEvent *event)
{
    auto *page = qobject_cast<MainPage *>(contentWidget());
    // Taken first: asking about each document shows its tab.
    const LastSession::Documents session =
        page ? LastSession::documentsOf(*page) : LastSession::Documents();
    // Unsaved documents are not dropped with the window without asking.
    if (page && (!page->confirmCloseViewers() || !page->confirmStopJobs())) {
        event->ignore();
        return;
    }
    rememberPlacement();
    if (page)
        LastSession::remember(session);
    QWidget::closeEvent(event);
}

void FramelessWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange) {
        // Full screen may be asked for from inside (a viewer's menu) as well as by F11.
        const Qt::WindowStates old = static_cast<QWindowStateChangeEvent *>(event)->oldState();
        if (isFullScreen() && !(old & Qt::WindowFullScreen))
            m_maximizedBeforeFullScreen = old.testFlag(Qt::WindowMaximized);
        m_titleBar->setMaximized(isSquare());
        // Full screen shows the pages alone, edge to edge.
        m_titleBar->setVisible(!isFullScreen());
        m_layout->setContentsMargins(isFullScreen() ? QMargins() : QMargins(1, 0, 1, 1));
        if (auto *page = qobject_cast<MainPage *>(contentWidget()))
            page->setPagesOnly(isFullScreen());
        // The new geometry arrives after the state change.
        QTimer::singleShot(0, this, &FramelessWindow::updateMask);
    }
    QWidget::changeEvent(event);
}

void FramelessWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape reaches the window only when nothing inside took it (a selection, the find bar).
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && isFullScreen()) {
        toggleFullScreen();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FramelessWindow::resizeEvent(QResizeEvent *event)
{
    updateMask();
    QWidget::resizeEvent(event);
}
