#pragma once

#include "pdfsignatures.h"

#include <QWidget>

class QLabel;
class QScrollArea;
class QVBoxLayout;

// Every signature field of the document as a card: signer, time, verdict in its colour,
// reason, location, type, hash, revision, certificate chain, timestamp and the changes made
// after signing; empty fields as such. A click on a card shows the field's page; a signature
// that later revisions changed offers the version it signed. Shown as a tab beside the
// thumbnails, bookmarks and comments.
class PdfSignaturesPanel : public QWidget
{
    Q_OBJECT

public:
    explicit PdfSignaturesPanel(QWidget *parent = nullptr);

    QString tabText() const { return tr("签名"); }
    static QString tabIcon() { return QStringLiteral(":/res/icons/pdfviewer/signature.png"); }

    void showChecking();
    void showReport(const PdfSignatureReport &report);
    void showFailure(const QString &message);
    void clear();
    // The cards shown, in field order.
    QList<QWidget *> cards() const;

Q_SIGNALS:
    // The signature at this place of the report was clicked.
    void signatureActivated(int index);
    void signedVersionRequested(qint64 signedLength);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void removeCards();
    void showMessage(const QString &text);
    QWidget *makeCard(const PdfSignatureInfo &info, int index, int revisionCount);

    QScrollArea *m_scroll = nullptr;
    QWidget *m_content = nullptr;
    QVBoxLayout *m_cards = nullptr;
    QLabel *m_message = nullptr;
};
