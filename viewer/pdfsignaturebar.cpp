#include "pdfsignaturebar.h"

#include "theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

using namespace Qt::StringLiterals;

PdfSignatureBar::PdfSignatureBar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"pdfSignatureBar"_s);
    setFixedHeight(34);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_label = new QLabel(this);
    m_label->setObjectName(u"pdfSignatureBarText"_s);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_panelButton = new QPushButton(tr("签名面板"), this);
    m_panelButton->setObjectName(u"pdfSignatureBarPanelButton"_s);
    m_panelButton->setCursor(Qt::PointingHandCursor);
    m_panelButton->setFixedHeight(24);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 0, 12, 0);
    layout->setSpacing(12);
    layout->addWidget(m_label, 1);
    layout->addWidget(m_panelButton);
    // The tint is painted (it follows the theme at paint time); the texts take theme names.
    setStyleSheet(uR"(
#pdfSignatureBarText { color: %1; background: transparent; font-size: 13px; }
#pdfSignatureBarPanelButton { color: %1; background: %2; border: 1px solid %3; border-radius: 6px; padding: 0 12px; font-size: 12px; }
#pdfSignatureBarPanelButton:hover { background: %4; }
)"_s.arg(Theme::textPrimary, Theme::surface, Theme::borderStrong, Theme::lightSurface));
    connect(m_panelButton, &QPushButton::clicked, this, &PdfSignatureBar::panelRequested);
    hide();
}

void PdfSignatureBar::showChecking()
{
    present(tr("正在验证签名…"), PdfSignatureTexts::Tone::Neutral, QString());
}

void PdfSignatureBar::showReport(const PdfSignatureReport &report, const QString &note)
{
    if (!report.isSigned()) {
        clear();
        return;
    }
    QString text = PdfSignatureTexts::summary(report);
    if (!note.isEmpty())
        text = tr("%1 · %2").arg(text, note);
    QStringList problems;
    for (const PdfSignatureInfo &info : report.signatures) {
        if (!info.problem.isEmpty())
            problems << info.problem;
    }
    present(text, PdfSignatureTexts::tone(report), problems.join(u'\n'));
}

void PdfSignatureBar::showFailure(const QString &message)
{
    present(tr("无法验证签名：文件无法读取"), PdfSignatureTexts::Tone::Caution, message);
}

void PdfSignatureBar::clear()
{
    m_label->clear();
    hide();
}

QString PdfSignatureBar::text() const
{
    return m_label->text();
}

void PdfSignatureBar::present(const QString &text, PdfSignatureTexts::Tone tone,
                              const QString &toolTip)
{
    m_tone = tone;
    m_label->setText(text);
    m_label->setToolTip(toolTip.isEmpty() ? text : text + u"\n\n"_s + toolTip);
    show();
    update();
}

void PdfSignatureBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor surface = Theme::color(Theme::surface);
    painter.fillRect(rect(), surface);
    if (m_tone == PdfSignatureTexts::Tone::Neutral) {
        painter.fillRect(QRect(0, height() - 1, width(), 1), Theme::color(Theme::border));
        return;
    }
    QColor tint = PdfSignatureTexts::colour(m_tone);
    tint.setAlphaF(Theme::isDark() ? 0.18 : 0.12);
    painter.fillRect(rect(), tint);
    QColor edge = PdfSignatureTexts::colour(m_tone);
    edge.setAlphaF(0.45);
    painter.fillRect(QRect(0, height() - 1, width(), 1), edge);
    painter.fillRect(QRect(0, 0, 4, height()), PdfSignatureTexts::colour(m_tone));
}
