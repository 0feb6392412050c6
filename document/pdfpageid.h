#pragma once

#include <QtGlobal>

// Identity of one page entry within one document model: handed out from 1, never reused.
using PdfPageId = quint64;
