#include "settingsmenu.h"

#include "darktheme.h"
#include "dialogseam.h"
#include "lastsession.h"
#include "pdfannotationstyles.h"

#include <QEvent>
#include <QTimer>

using namespace Qt::StringLiterals;

SettingsMenu::SettingsMenu(QWidget *parent)
    : RoundedPopupMenu(parent)
{
    setObjectName(u"settingsMenu"_s);
    m_darkTheme = addAction(QString());
    m_darkTheme->setObjectName(u"darkThemeAction"_s);
    m_darkTheme->setCheckable(true);
    m_reopenSession = addAction(QString());
    m_reopenSession->setObjectName(u"reopenSessionAction"_s);
    m_reopenSession->setCheckable(true);
    m_author = addAction(QString());
    m_author->setObjectName(u"annotationAuthorAction"_s);
    retranslateUi();
    showSettings();

    connect(m_darkTheme, &QAction::triggered, this, [this](bool dark) {
        // After the menu has closed: the switch restyles every widget, this menu included.
        QTimer::singleShot(0, this, [dark] { DarkTheme::setEnabled(dark); });
    });
    connect(m_reopenSession, &QAction::triggered, this,
            [](bool reopen) { LastSession::setReopensAtStart(reopen); });
    connect(m_author, &QAction::triggered, this, [this] {
        bool ok = false;
        const QString name =
            DialogSeam::getText(parentWidget() ? parentWidget()->window() : nullptr, tr("批注作者"),
                                tr("新批注署名（留空则用系统用户名）："), QLineEdit::Normal,
                                PdfAnnotationStyles::instance().author(), &ok);
        if (ok)
            PdfAnnotationStyles::instance().setAuthor(name);
    });
    connect(this, &QMenu::aboutToShow, this, &SettingsMenu::showSettings);
}

void SettingsMenu::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    RoundedPopupMenu::changeEvent(event);
}

void SettingsMenu::retranslateUi()
{
    m_darkTheme->setText(tr("深色主题"));
    m_reopenSession->setText(tr("启动时重新打开上次的文档"));
    showSettings();
}

void SettingsMenu::showSettings()
{
    m_darkTheme->setChecked(DarkTheme::isEnabled());
    m_reopenSession->setChecked(LastSession::reopensAtStart());
    const QString author = PdfAnnotationStyles::instance().author();
    m_author->setText(author.isEmpty() ? tr("批注作者…") : tr("批注作者：%1…").arg(author));
}
