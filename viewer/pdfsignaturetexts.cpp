#include "pdfsignaturetexts.h"

#include "pdfsignaturestatus.h"
#include "theme.h"

#include <QColor>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

bool changedBeyondPermissions(const PdfSignatureInfo &info)
{
    return info.verdict == PdfSignatureVerdict::ChangedAfterSigning && !info.changesAllowed &&
           info.certificationLevel > 0;
}

} // namespace

PdfSignatureTexts::Tone PdfSignatureTexts::tone(const PdfSignatureInfo &info)
{
    switch (info.verdict) {
    case PdfSignatureVerdict::Valid:
        return Tone::Good;
    case PdfSignatureVerdict::ChangedAfterSigning:
        if (info.changesAllowed)
            return info.certificateTrusted ? Tone::Good : Tone::Caution;
        return changedBeyondPermissions(info) ? Tone::Bad : Tone::Caution;
    case PdfSignatureVerdict::Invalid:
        return Tone::Bad;
    case PdfSignatureVerdict::NotTrusted:
    case PdfSignatureVerdict::Unreadable:
        return Tone::Caution;
    case PdfSignatureVerdict::Unsigned:
        break;
    }
    return Tone::Neutral;
}

PdfSignatureTexts::Tone PdfSignatureTexts::tone(const PdfSignatureReport &report)
{
    Tone worst = Tone::Neutral;
    for (const PdfSignatureInfo &info : report.signatures)
        worst = std::max(worst, tone(info));
    return worst;
}

QColor PdfSignatureTexts::colour(Tone tone)
{
    switch (tone) {
    case Tone::Good:
        return Theme::color(Theme::success);
    case Tone::Caution:
        return Theme::color(Theme::warning);
    case Tone::Bad:
        return Theme::color(Theme::danger);
    case Tone::Neutral:
        break;
    }
    return Theme::color(Theme::textMuted);
}

QString PdfSignatureTexts::changeList(int changes)
{
    QStringList parts;
    if (changes & PdfChangeAnnotations)
        parts << tr("批注");
    if (changes & PdfChangeFormFields)
        parts << tr("表单");
    if (changes & PdfChangePages)
        parts << tr("页面");
    if (changes & PdfChangeSignatures)
        parts << tr("签名");
    if (changes & PdfChangeOther)
        parts << tr("其他内容");
    return parts.join(tr("、"));
}

QString PdfSignatureTexts::untrusted(const PdfSignatureInfo &info)
{
    if (!info.chain.isEmpty() && info.chain.size() == 1 && info.chain.constFirst().selfSigned)
        return tr("证书不受信任（自签名证书）");
    if (info.certificateExpired)
        return tr("证书不受信任（证书已过期）");
    return tr("证书不受信任");
}

QString PdfSignatureTexts::verdict(const PdfSignatureInfo &info)
{
    const QString changes = changeList(info.changesAfter);
    switch (info.verdict) {
    case PdfSignatureVerdict::Valid:
        return tr("签名有效");
    case PdfSignatureVerdict::ChangedAfterSigning:
        if (info.changesAllowed && !info.certificateTrusted)
            return changes.isEmpty()
                       ? tr("%1，签名后有允许的更改").arg(untrusted(info))
                       : tr("%1，签名后有允许的更改（%2）").arg(untrusted(info), changes);
        if (info.changesAllowed)
            return changes.isEmpty() ? tr("签名有效，签名后有允许的更改")
                                     : tr("签名有效，签名后有允许的更改（%1）").arg(changes);
        if (changedBeyondPermissions(info))
            return changes.isEmpty() ? tr("签名后的更改超出了认证允许的范围")
                                     : tr("签名后的更改超出了认证允许的范围（%1）").arg(changes);
        return changes.isEmpty() ? tr("签名后文档被更改")
                                 : tr("签名后文档被更改（%1）").arg(changes);
    case PdfSignatureVerdict::Invalid:
        return info.digestMatches ? tr("签名无效：签名数据与内容不符")
                                  : tr("签名无效：签名后内容被改动");
    case PdfSignatureVerdict::NotTrusted:
        return untrusted(info);
    case PdfSignatureVerdict::Unreadable:
        return tr("无法验证此签名");
    case PdfSignatureVerdict::Unsigned:
        break;
    }
    return tr("空签名字段");
}

QString PdfSignatureTexts::time(const QDateTime &when)
{
    return when.isValid() ? when.toLocalTime().toString(u"yyyy-MM-dd HH:mm"_s) : QString();
}

QString PdfSignatureTexts::signerName(const PdfSignatureInfo &info)
{
    return info.signer.isEmpty() ? tr("未知签名者") : info.signer;
}

namespace {

// "1 个无效，1 个不受信任": how many signed fields fall short, by kind.
QString shortfalls(const PdfSignatureReport &report)
{
    int invalid = 0;
    int changed = 0;
    int untrusted = 0;
    int unreadable = 0;
    for (const PdfSignatureInfo &info : report.signatures) {
        if (PdfSignatureTexts::tone(info) != PdfSignatureTexts::Tone::Caution &&
            PdfSignatureTexts::tone(info) != PdfSignatureTexts::Tone::Bad)
            continue;
        if (info.verdict == PdfSignatureVerdict::Invalid)
            ++invalid;
        else if (info.verdict == PdfSignatureVerdict::Unreadable)
            ++unreadable;
        else if (info.verdict == PdfSignatureVerdict::ChangedAfterSigning && !info.changesAllowed)
            ++changed;
        else
            ++untrusted;
    }
    QStringList parts;
    if (invalid)
        parts << PdfSignatureTexts::tr("%1 个无效").arg(invalid);
    if (changed)
        parts << PdfSignatureTexts::tr("%1 个签名后被更改").arg(changed);
    if (untrusted)
        parts << PdfSignatureTexts::tr("%1 个不受信任").arg(untrusted);
    if (unreadable)
        parts << PdfSignatureTexts::tr("%1 个无法验证").arg(unreadable);
    return parts.join(PdfSignatureTexts::tr("，"));
}

} // namespace

QString PdfSignatureTexts::summary(const PdfSignatureReport &report)
{
    const int count = report.signedCount();
    if (count == 0)
        return QString();
    if (count == 1) {
        for (const PdfSignatureInfo &info : report.signatures) {
            if (info.verdict == PdfSignatureVerdict::Unsigned)
                continue;
            const QString when = time(info.signingTime);
            const QString who =
                when.isEmpty() ? signerName(info) : tr("%1，%2").arg(signerName(info), when);
            return tr("已签名：%1 — %2").arg(who, verdict(info));
        }
    }
    const QString missing = shortfalls(report);
    return missing.isEmpty() ? tr("%1 个签名：全部有效").arg(count)
                             : tr("%1 个签名：%2").arg(count).arg(missing);
}

QString PdfSignatureTexts::countSummary(const PdfSignatureReport &report)
{
    const int count = report.signedCount();
    if (count == 0)
        return tr("无");
    const QString missing = shortfalls(report);
    return missing.isEmpty() ? tr("%1 个（全部有效）").arg(count)
                             : tr("%1 个（%2）").arg(count).arg(missing);
}

QString PdfSignatureTexts::certificationNote(int certificationLevel)
{
    switch (certificationLevel) {
    case 1:
        return tr("认证签名不允许更改此文档");
    case 2:
        return tr("认证签名只允许填写表单和签名");
    default:
        return QString();
    }
}

QString PdfSignatureTexts::saveChangeList(int changes)
{
    QStringList parts;
    if (changes & PdfSignatureStatus::PagesMoved)
        parts << tr("页面被移动");
    if (changes & PdfSignatureStatus::PagesRotated)
        parts << tr("页面被旋转");
    if (changes & PdfSignatureStatus::PagesDeleted)
        parts << tr("页面被删除");
    if (changes & PdfSignatureStatus::PagesInserted)
        parts << tr("插入了页面");
    if (changes & PdfSignatureStatus::PageNumbersAdded)
        parts << tr("添加了页码");
    if (changes & PdfSignatureStatus::PropertiesChanged)
        parts << tr("文档属性被修改");
    if (changes & PdfSignatureStatus::Flattened)
        parts << tr("批注和表单将被扁平化");
    if (changes & PdfSignatureStatus::ContentReplaced)
        parts << tr("页面内容被替换");
    return tr("以下更改需要重写整个文件：%1。").arg(parts.join(tr("、")));
}
