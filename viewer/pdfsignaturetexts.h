#pragma once

#include "pdfsignatures.h"

#include <QCoreApplication>
#include <QString>

class QColor;

// How the viewer words and colours signature verdicts, shared by the bar above the pages, the
// signatures panel, the properties dialog and the save question.
class PdfSignatureTexts
{
    Q_DECLARE_TR_FUNCTIONS(PdfSignatureTexts)

public:
    // Good: valid, or changed only as the signatures allow. Caution: not trusted, changed after
    // signing, not checkable. Bad: invalid, or changed beyond a certification's permissions.
    enum class Tone { Neutral, Good, Caution, Bad };

    static Tone tone(const PdfSignatureInfo &info);
    // The worst tone among the signed fields; Neutral without any.
    static Tone tone(const PdfSignatureReport &report);
    static QColor colour(Tone tone);

    // One signature's verdict in a short sentence: "签名有效", "证书不受信任（自签名证书）" …
    static QString verdict(const PdfSignatureInfo &info);
    // The line across the top of the pages: who signed and what the check found.
    static QString summary(const PdfSignatureReport &report);
    // "2 个（全部有效）", "无": the count with its outcome, for the properties dialog.
    static QString countSummary(const PdfSignatureReport &report);
    // What a certification signature keeps from changing; empty when it allows annotating.
    static QString certificationNote(int certificationLevel);
    // PdfRevisionChange flags as "批注、表单".
    static QString changeList(int changes);
    // PdfSignatureStatus::SaveChange flags as a sentence naming what rewrites the file.
    static QString saveChangeList(int changes);
    static QString time(const QDateTime &when);
    static QString signerName(const PdfSignatureInfo &info);

private:
    // Why a certificate is not trusted: "证书不受信任（自签名证书）" …
    static QString untrusted(const PdfSignatureInfo &info);
};
