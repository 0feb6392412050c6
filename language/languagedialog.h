#pragma once

#include <QDialog>

#include <functional>

class QButtonGroup;

// Lets the user pick the interface language. A switch rebuilds the main page and closes its
// tabs, so it is confirmed first.
class LanguageDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LanguageDialog(QWidget *parent = nullptr);

    // The translated name a language is listed under ("English" for en_US).
    static QString languageLabel(const QString &code);

    // Asked after the user confirmed a switch and before it happens; false keeps the current
    // language, e.g. when an open document with unsaved changes is to stay open.
    void setSwitchGuard(std::function<bool()> guard) { m_switchGuard = std::move(guard); }

public Q_SLOTS:
    void applyLanguage();

private:
    QButtonGroup *m_choices = nullptr;
    std::function<bool()> m_switchGuard;
};
