#pragma once

#include <QString>

class PdfDocumentModel;
class PdfUndoManager;
class QTemporaryDir;
class QWidget;

// Recognises the text of a document's scanned pages from the viewer: each file the pages read
// is made searchable into folder while a progress box with a cancel button turns the event loop,
// and the pages then read the new versions, as one undo step; saving writes them as any edit.
namespace PdfTextRecognition {

// False when nothing changed (cancelled, every page had text, or it failed: the user was told).
bool recognise(PdfDocumentModel *model, PdfUndoManager *undo, QTemporaryDir *folder,
               QWidget *parent);

} // namespace PdfTextRecognition
