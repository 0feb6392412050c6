#pragma once

#include "batchtypes.h"
#include "pdftypes.h"

#include <QString>

// What a failure tells the user, in one place for the task rows, the message boxes and the
// command line. argument is the file or folder the failure names (BatchFailure).
QString failureText(BatchFailure failure, const QString &argument);
QString failureText(PdfBackendError error);
