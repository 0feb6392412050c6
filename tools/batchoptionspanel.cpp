#include "batchoptionspanel.h"

#include "iconbutton.h"
#include "outputlocationchoice.h"
#include "passwordinput.h"

#include <QLineEdit>

BatchOptionsPanel::BatchOptionsPanel(const QString &title, const QString &startText,
                                     Location location, QWidget *parent)
    : ToolOptionsPanel(title, startText, location, parent)
{
    connect(startButton(), &QPushButton::clicked, this, &BatchOptionsPanel::startClicked);
}

void BatchOptionsPanel::updateStartButton()
{
    const QString blocker = startBlocker();
    startButton()->setEnabled(blocker.isEmpty());
    startButton()->setToolTip(blocker);
}

PasswordInput *BatchOptionsPanel::addPasswordField(const QString &heading,
                                                   const QString &objectName,
                                                   const QString &errorName, QLabel **error)
{
    addSection(heading);
    auto *field = new PasswordInput(this);
    field->setObjectName(objectName);
    field->setFixedHeight(48);
    addControl(field);
    *error = addErrorLabel(errorName);
    connect(field->lineEdit(), &QLineEdit::textChanged, this,
            &BatchOptionsPanel::updateStartButton);
    return field;
}

QVariantMap BatchOptionsPanel::passwordOptions(const PasswordInput *password) const
{
    return {
        {TaskOption::Password, password->lineEdit()->text()},
        {TaskOption::SaveOption, int(saveMode())},
    };
}

TaskRequest BatchOptionsPanel::buildRequest() const
{
    TaskRequest request;
    request.options = options();
    location()->resolve(request);
    return request;
}
