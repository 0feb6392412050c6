#include "batchoptionspanel.h"

#include "iconbutton.h"
#include "outputlocationchoice.h"

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

TaskRequest BatchOptionsPanel::buildRequest() const
{
    TaskRequest request;
    request.options = options();
    location()->resolve(request);
    return request;
}
