#include "homepage.h"

using namespace Qt::StringLiterals;

HomePage::HomePage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"homePage"_s);
}

void HomePage::recordOpenedFile(const QString &filePath)
{
    Q_UNUSED(filePath);
}
