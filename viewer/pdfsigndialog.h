#pragma once

#include "pdfsignatures.h"

#include <QDialog>

#include <optional>

class ModernComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks how to sign a document: the certificate (a PKCS#12 file, opened with its password before
// the dialog closes), where the signature goes (a box drawn on a page afterwards, an empty
// signature field, or invisible), reason, location, contact, a timestamp server and an image.
// The certificate's path and the timestamp server are remembered; the password never is.
class PdfSignDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Placement { DrawBox, Field, Invisible };
    struct Choice
    {
        Placement placement = Placement::DrawBox;
        // Certificate, password, reason, location, contact, timestamp, image; the field name for
        // Placement::Field. Page and box are the caller's to fill in for Placement::DrawBox.
        PdfSignOptions options;
    };

    // emptyFields: the document's signature fields waiting for a signature.
    explicit PdfSignDialog(const QList<PdfSignatureInfo> &emptyFields, QWidget *parent = nullptr);

    Choice choice() const;

    // The choice, or none when cancelled (always none in scripted tests).
    static std::optional<Choice> ask(QWidget *parent, const QList<PdfSignatureInfo> &emptyFields);

public Q_SLOTS:
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void chooseCertificate();
    // Opens the certificate with its password, asking until it opens or the user stops.
    bool unlockCertificate(const QString &path);
    void showCertificate();
    void chooseImage();

    QList<PdfSignatureInfo> m_fields;
    QString m_certificatePath;
    QString m_password;
    PdfCertificate m_certificate;
    bool m_unlocked = false;
    QString m_imagePath;
    QLabel *m_certificateLabel = nullptr;
    ModernComboBox *m_placement = nullptr;
    QLineEdit *m_reason = nullptr;
    QLineEdit *m_location = nullptr;
    QLineEdit *m_contact = nullptr;
    QLineEdit *m_timestamp = nullptr;
    QLabel *m_imageLabel = nullptr;
    QPushButton *m_clearImage = nullptr;
};
