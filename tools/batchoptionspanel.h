#pragma once

#include "taskrequest.h"
#include "tooloptionspanel.h"

#include <QVariantMap>

class PasswordInput;

// An options panel of a tool that runs jobs: its start button asks the page to start, and it
// turns its controls into the options and output location of a request.
class BatchOptionsPanel : public ToolOptionsPanel
{
    Q_OBJECT

public:
    BatchOptionsPanel(const QString &title, const QString &startText, Location location,
                      QWidget *parent = nullptr);

    // A fresh request: options and location filled, everything else left to the page.
    TaskRequest buildRequest() const;

    // Why the panel cannot start now (shown on its disabled start button); empty when it can.
    virtual QString startBlocker() const { return {}; }
    bool canStart() const { return startBlocker().isEmpty(); }

Q_SIGNALS:
    void startClicked();

protected:
    virtual QVariantMap options() const = 0;
    // Enables the start button exactly when nothing blocks it.
    void updateStartButton();
    // A password field under its heading, its start button kept up to date, and the error text
    // below it (in *error).
    PasswordInput *addPasswordField(const QString &heading, const QString &objectName,
                                    const QString &errorName, QLabel **error);
    // The password and save option of an encrypt or unlock job.
    QVariantMap passwordOptions(const PasswordInput *password) const;
};
