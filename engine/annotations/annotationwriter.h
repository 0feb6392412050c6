#pragma once

#include "pdftypes.h"

#include <set>
#include <string>
#include <vector>

class QPDF;
class QPDFObjectHandle;
class UnicodeFace;

// Annotations written into pages by qpdf, each with its appearance stream.
namespace annotationwriter {

// Takes the hidden annotations of spec off page and adds spec's annotations. ownRotation is
// the /Rotate of the source page (annotation geometry follows the page as it showed itself);
// font is a Helvetica dictionary shared by the output.
void writePage(QPDF &pdf, QPDFObjectHandle page, const PdfSourcePage &spec, int ownRotation,
               QPDFObjectHandle font);

// Gives the form fields of the pages the values their specs ask for, with new appearances.
void fillForms(QPDF &pdf, const std::vector<QPDFObjectHandle> &pages,
               const QList<PdfSourcePage> &specs);

// A line of text as content-stream operators at size points: what WinAnsiEncoding has in the
// font named /Helv (Helvetica), the characters face holds in /Uni (its font), the rest in /CJK
// (cjkFont).
std::string textRuns(const QString &line, double size, const UnicodeFace *face = nullptr);
bool needsCjk(const QString &text, const UnicodeFace *face = nullptr);
// The characters of text that neither Helvetica nor the CJK font should set: those to ask a
// UnicodeFace for.
std::set<char32_t> faceCharacters(const QString &text);
QPDFObjectHandle cjkFont(QPDF &pdf);
// The same font as a direct dictionary.
QPDFObjectHandle cjkFontDictionary();

} // namespace annotationwriter
