#pragma once

#include "pdfsignaturetexts.h"

#include <QWidget>

class QLabel;
class QPushButton;

// The slim strip above the pages of a signed document: who signed and whether the signatures
// hold, tinted by the outcome, with a button that opens the signatures panel. Hidden while the
// file carries no signature.
class PdfSignatureBar : public QWidget
{
    Q_OBJECT

public:
    explicit PdfSignatureBar(QWidget *parent = nullptr);

    void showChecking();
    // The note follows the outcome (what a certification forbids, a read-only copy).
    void showReport(const PdfSignatureReport &report, const QString &note);
    void showFailure(const QString &message);
    void clear();
    QString text() const;

Q_SIGNALS:
    void panelRequested();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void present(const QString &text, PdfSignatureTexts::Tone tone, const QString &toolTip);

    QLabel *m_label = nullptr;
    QPushButton *m_panelButton = nullptr;
    PdfSignatureTexts::Tone m_tone = PdfSignatureTexts::Tone::Neutral;
};
