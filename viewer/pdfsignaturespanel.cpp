#include "pdfsignaturespanel.h"

#include "kitstyle.h"
#include "pdfsignaturetexts.h"
#include "theme.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString dateText(const QDateTime &when)
{
    return when.isValid() ? when.toLocalTime().toString(u"yyyy-MM-dd"_s) : QString();
}

QString certificationText(int level)
{
    switch (level) {
    case 1:
        return PdfSignaturesPanel::tr("认证签名：不允许任何更改");
    case 2:
        return PdfSignaturesPanel::tr("认证签名：允许填写表单和签名");
    case 3:
        return PdfSignaturesPanel::tr("认证签名：允许填写表单、签名和批注");
    default:
        return QString();
    }
}

} // namespace

PdfSignaturesPanel::PdfSignaturesPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"pdfSignaturesPanel"_s);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(u"pdfSignaturesScroll"_s);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_content = new QWidget(m_scroll);
    m_content->setObjectName(u"pdfSignaturesContent"_s);
    m_cards = new QVBoxLayout(m_content);
    m_cards->setContentsMargins(0, 0, 0, 0);
    m_cards->setSpacing(0);
    m_message = new QLabel(m_content);
    m_message->setObjectName(u"pdfSignaturesMessage"_s);
    m_message->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_message->setWordWrap(true);
    m_cards->addWidget(m_message);
    m_cards->addStretch(1);
    m_scroll->setWidget(m_content);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_scroll, 1);
    setStyleSheet(uR"(
#pdfSignaturesScroll, #pdfSignaturesContent { background: transparent; }
QFrame#pdfSignatureCard { background: transparent; border: none; border-bottom: 1px solid %1; }
QFrame#pdfSignatureCard:hover { background: %2; }
QLabel { background: transparent; }
QLabel#pdfSignatureCardTitle { color: %3; font-size: 13px; font-weight: 600; }
QLabel[role="detail"] { color: %4; font-size: 12px; }
QLabel[role="chain"] { color: %5; font-size: 11px; }
QLabel[role="heading"] { color: %3; font-size: 12px; font-weight: 600; }
QLabel#pdfSignaturesMessage { color: %5; font-size: 13px; padding: 12px 8px 0 8px; }
QPushButton#pdfSignedVersionButton { color: %6; background: %7; border: 1px solid %8; border-radius: 6px; padding: 3px 10px; font-size: 12px; }
QPushButton#pdfSignedVersionButton:hover { background: %9; }
QScrollBar:vertical { width: 10px; background: transparent; margin: 2px; border: none; }
QScrollBar::handle:vertical { background: %10; border-radius: 3px; min-height: 32px; }
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; border: none; }
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }
)"_s.arg(Theme::rowSeparator, Theme::hoverSurface, Theme::textPrimary, Theme::textSecondary,
         Theme::textMuted, Theme::accent, Theme::surface, Theme::borderStrong)
                      .arg(Theme::accentSoft, Theme::scrollHandle));
    clear();
    hide();
}

void PdfSignaturesPanel::showChecking()
{
    showMessage(tr("正在验证签名…"));
}

void PdfSignaturesPanel::showFailure(const QString &message)
{
    showMessage(tr("无法读取文件中的签名。\n%1").arg(message));
}

void PdfSignaturesPanel::clear()
{
    showMessage(tr("此文档没有签名"));
}

void PdfSignaturesPanel::showMessage(const QString &text)
{
    removeCards();
    m_message->setText(text);
    m_message->show();
}

void PdfSignaturesPanel::showReport(const PdfSignatureReport &report)
{
    if (report.signatures.isEmpty()) {
        clear();
        return;
    }
    removeCards();
    m_message->hide();
    for (qsizetype i = 0; i < report.signatures.size(); ++i)
        m_cards->insertWidget(m_cards->count() - 1,
                              makeCard(report.signatures.at(i), int(i), report.revisionCount));
}

QList<QWidget *> PdfSignaturesPanel::cards() const
{
    QList<QWidget *> list;
    for (int i = 0; i < m_cards->count(); ++i) {
        QWidget *widget = m_cards->itemAt(i)->widget();
        if (widget && widget != m_message)
            list.append(widget);
    }
    return list;
}

void PdfSignaturesPanel::removeCards()
{
    for (QWidget *card : cards()) {
        m_cards->removeWidget(card);
        card->deleteLater();
    }
}

QWidget *PdfSignaturesPanel::makeCard(const PdfSignatureInfo &info, int index, int revisionCount)
{
    auto *card = new QFrame(m_content);
    card->setObjectName(u"pdfSignatureCard"_s);
    card->setProperty("signatureIndex", index);
    card->setCursor(Qt::PointingHandCursor);
    card->installEventFilter(this);
    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(3);
    const auto addLine = [&](const QString &text, const char *role = "detail") {
        auto *label = new QLabel(KitStyle::breakAnywhere(text), card);
        label->setProperty("role", QString::fromLatin1(role));
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        layout->addWidget(label);
        return label;
    };
    const bool empty = info.verdict == PdfSignatureVerdict::Unsigned;
    auto *title = addLine(empty ? tr("空签名字段") : PdfSignatureTexts::signerName(info));
    title->setObjectName(u"pdfSignatureCardTitle"_s);
    title->setProperty("role", QVariant());
    const QString page = info.pageIndex < 0 || info.rect.isEmpty()
                             ? tr("不可见签名")
                             : tr("第 %1 页").arg(info.pageIndex + 1);
    if (empty) {
        addLine(tr("字段：%1（%2）").arg(info.fieldName, page));
        return card;
    }

    auto *verdict = addLine(PdfSignatureTexts::verdict(info));
    verdict->setObjectName(u"pdfSignatureCardVerdict"_s);
    verdict->setProperty("role", QVariant());
    verdict->setStyleSheet(u"color: %1; font-size: 12px; font-weight: 600;"_s.arg(
        PdfSignatureTexts::colour(PdfSignatureTexts::tone(info)).name()));
    layout->addSpacing(3);
    if (info.signingTime.isValid())
        addLine(tr("签名时间：%1").arg(PdfSignatureTexts::time(info.signingTime)));
    if (!info.reason.isEmpty())
        addLine(tr("原因：%1").arg(info.reason));
    if (!info.location.isEmpty())
        addLine(tr("位置：%1").arg(info.location));
    if (!info.contactInfo.isEmpty())
        addLine(tr("联系方式：%1").arg(info.contactInfo));
    addLine(tr("字段：%1（%2）").arg(info.fieldName, page));
    if (!info.subFilter.isEmpty())
        addLine(tr("类型：%1").arg(info.subFilter));
    if (!info.hashAlgorithm.isEmpty())
        addLine(tr("摘要算法：%1").arg(info.hashAlgorithm));
    addLine(tr("第 %1 版（共 %2 版）").arg(info.revision).arg(std::max(revisionCount, 1)));
    const QString certification = certificationText(info.certificationLevel);
    if (!certification.isEmpty())
        addLine(certification);
    if (info.hasTimestamp) {
        const QString when = PdfSignatureTexts::time(info.timestampTime);
        addLine(info.timestampValid ? tr("时间戳：%1（有效）").arg(when)
                                    : tr("时间戳：%1（无效）").arg(when));
    }
    const QString changes = PdfSignatureTexts::changeList(info.changesAfter);
    addLine(tr("签名后的更改：%1").arg(changes.isEmpty() ? tr("无") : changes));
    if (!info.problem.isEmpty())
        addLine(tr("技术信息：%1").arg(info.problem), "chain");

    if (!info.chain.isEmpty()) {
        layout->addSpacing(4);
        addLine(tr("证书链"), "heading");
        for (const PdfCertificate &certificate : info.chain) {
            QStringList lines{certificate.commonName.isEmpty() ? certificate.subject
                                                               : certificate.commonName};
            lines << (certificate.selfSigned ? tr("颁发者：%1（自签名）") : tr("颁发者：%1"))
                         .arg(certificate.issuer);
            lines << tr("有效期：%1 至 %2")
                         .arg(dateText(certificate.validFrom), dateText(certificate.validTo));
            QLabel *line = addLine(lines.join(u'\n'), "chain");
            line->setIndent(8);
        }
    }

    if (!info.coversWholeFile && info.signedLength > 0) {
        layout->addSpacing(4);
        auto *button = new QPushButton(tr("查看签名时的版本"), card);
        button->setObjectName(u"pdfSignedVersionButton"_s);
        button->setCursor(Qt::PointingHandCursor);
        // No wider than the panel: a long name (some languages) is shortened, whole in the tool
        // tip, instead of pushing every line of the card past the panel's edge.
        button->setProperty("fullText", button->text());
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        button->installEventFilter(this);
        const qint64 length = info.signedLength;
        connect(button, &QPushButton::clicked, this,
                [this, length] { Q_EMIT signedVersionRequested(length); });
        layout->addWidget(button);
    }
    return card;
}

bool PdfSignaturesPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (auto *button = qobject_cast<QPushButton *>(watched)) {
            const QString full = button->property("fullText").toString();
            const int room = button->width() - 24; // its padding and border
            const QString shown =
                button->fontMetrics().elidedText(full, Qt::ElideRight, std::max(room, 0));
            if (button->fontMetrics().horizontalAdvance(full) <= room)
                button->setText(full);
            else
                button->setText(shown);
            button->setToolTip(button->text() == full ? QString() : full);
        }
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        const QVariant index = watched->property("signatureIndex");
        if (index.isValid()) {
            Q_EMIT signatureActivated(index.toInt());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
