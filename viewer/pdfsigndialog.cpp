#include "pdfsigndialog.h"

#include "dialogseam.h"
#include "kitstyle.h"
#include "moderncombobox.h"
#include "modernmessagebox.h"
#include "settingskeys.h"
#include "theme.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString cardStyle()
{
    return uR"(
QFrame#signCard { background: %1; border: 1px solid %2; border-radius: 18px; }
QFrame#signAccent { background: %3; border: none; border-radius: 2px; }
QLabel#signTitle { color: %4; background: transparent; font-size: 24px; font-weight: 600; }
QLabel[role="field"] { color: %5; background: transparent; font-size: 14px; }
QLabel[role="value"] { color: %9; background: transparent; font-size: 13px; }
QLineEdit { color: %5; background: %1; border: 1px solid %6; border-radius: 8px;
            min-height: 34px; padding: 0 10px; font-size: 13px; }
QLineEdit:focus { border-color: %3; }
QPushButton { padding: 0 20px; border-radius: 21px; font-size: 15px; font-weight: 600; }
QPushButton[role="small"] { padding: 0 14px; border-radius: 8px; font-size: 13px; font-weight: 400;
                            min-height: 34px; color: %5; background: %1; border: 1px solid %6; }
QPushButton[role="small"]:hover { background: %7; }
QPushButton#signCancelButton { color: %5; background: %1; border: 1px solid %6; }
QPushButton#signCancelButton:hover { background: %7; }
QPushButton#signConfirmButton { color: %1; background: %3; border: 1px solid %3; }
QPushButton#signConfirmButton:hover { background: %8; border-color: %8; }
)"_s.arg(Theme::surface, Theme::cardBorder, Theme::accent, Theme::cardTitle, Theme::cardText,
         Theme::cancelBorder, Theme::cancelHover, Theme::accentHover, Theme::cardDetails);
}

QLabel *fieldLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setProperty("role", u"field"_s);
    return label;
}

QPushButton *smallButton(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setProperty("role", u"small"_s);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

PdfSignDialog::PdfSignDialog(const QList<PdfSignatureInfo> &emptyFields, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_fields(emptyFields)
{
    setObjectName(u"pdfSignDialog"_s);
    setModal(true);
    setMinimumWidth(600);

    const KitStyle::CardDialog frame =
        KitStyle::makeCardDialog(this, u"signCard"_s, cardStyle(), u"signAccent"_s);
    QFrame *card = frame.card;
    QVBoxLayout *layout = frame.content;
    KitStyle::addCardTitle(frame, tr("签名"), u"signTitle"_s);
    QGridLayout *grid = KitStyle::cardGrid();

    m_certificateLabel = new QLabel(card);
    m_certificateLabel->setObjectName(u"signCertificateLabel"_s);
    m_certificateLabel->setProperty("role", u"value"_s);
    m_certificateLabel->setWordWrap(true);
    m_certificateLabel->setTextFormat(Qt::PlainText);
    auto *chooseCertificate = smallButton(tr("选择证书…"), u"signCertificateButton"_s, card);
    auto *certificateRow = new QHBoxLayout;
    certificateRow->setSpacing(10);
    certificateRow->addWidget(m_certificateLabel, 1);
    certificateRow->addWidget(chooseCertificate);

    m_placement = new ModernComboBox(card);
    m_placement->setObjectName(u"signPlacement"_s);
    m_placement->addItem(tr("在页面上画出签名框"));
    for (const PdfSignatureInfo &field : std::as_const(m_fields)) {
        m_placement->addItem(
            field.pageIndex >= 0
                ? tr("签名字段：%1（第 %2 页）").arg(field.fieldName).arg(field.pageIndex + 1)
                : tr("签名字段：%1").arg(field.fieldName));
    }
    m_placement->addItem(tr("不可见签名"));
    // An empty field waiting for a signature is the likelier wish.
    m_placement->setCurrentItem(m_fields.isEmpty() ? 0 : 1);

    const auto lineEdit = [card](const QString &objectName, const QString &placeholder) {
        auto *edit = new QLineEdit(card);
        edit->setObjectName(objectName);
        edit->setPlaceholderText(placeholder);
        return edit;
    };
    m_reason = lineEdit(u"signReason"_s, tr("可选，例如：同意此文档"));
    m_location = lineEdit(u"signLocation"_s, tr("可选"));
    m_contact = lineEdit(u"signContact"_s, tr("可选"));
    m_timestamp = lineEdit(u"signTimestamp"_s, tr("可选：时间戳服务器地址（RFC 3161）"));
    m_timestamp->setText(QSettings().value(settingskeys::TimestampUrl).toString());

    m_imageLabel = new QLabel(tr("无"), card);
    m_imageLabel->setObjectName(u"signImageLabel"_s);
    m_imageLabel->setProperty("role", u"value"_s);
    m_imageLabel->setTextFormat(Qt::PlainText);
    auto *chooseImage = smallButton(tr("选择图片…"), u"signImageButton"_s, card);
    m_clearImage = smallButton(tr("清除"), u"signClearImageButton"_s, card);
    m_clearImage->hide();
    auto *imageRow = new QHBoxLayout;
    imageRow->setSpacing(10);
    imageRow->addWidget(m_imageLabel, 1);
    imageRow->addWidget(m_clearImage);
    imageRow->addWidget(chooseImage);

    int row = 0;
    grid->addWidget(fieldLabel(tr("证书"), card), row, 0);
    grid->addLayout(certificateRow, row++, 1);
    grid->addWidget(fieldLabel(tr("签名位置"), card), row, 0);
    grid->addWidget(m_placement, row++, 1);
    grid->addWidget(fieldLabel(tr("原因"), card), row, 0);
    grid->addWidget(m_reason, row++, 1);
    grid->addWidget(fieldLabel(tr("地点"), card), row, 0);
    grid->addWidget(m_location, row++, 1);
    grid->addWidget(fieldLabel(tr("联系方式"), card), row, 0);
    grid->addWidget(m_contact, row++, 1);
    grid->addWidget(fieldLabel(tr("时间戳"), card), row, 0);
    grid->addWidget(m_timestamp, row++, 1);
    grid->addWidget(fieldLabel(tr("图片"), card), row, 0);
    grid->addLayout(imageRow, row++, 1);
    layout->addLayout(grid);
    layout->addSpacing(28);

    KitStyle::addCardButtons(this, frame, u"sign"_s, tr("取消"), tr("签名"));
    connect(chooseCertificate, &QPushButton::clicked, this, &PdfSignDialog::chooseCertificate);
    connect(chooseImage, &QPushButton::clicked, this, &PdfSignDialog::chooseImage);
    connect(m_clearImage, &QPushButton::clicked, this, [this] {
        m_imagePath.clear();
        m_imageLabel->setText(tr("无"));
        m_clearImage->hide();
    });

    const QString remembered = QSettings().value(settingskeys::SigningCertificate).toString();
    if (!remembered.isEmpty() && QFileInfo::exists(remembered))
        m_certificatePath = remembered;
    showCertificate();
    KitStyle::setVisualTabOrder(card);
    adjustSize();
}

void PdfSignDialog::showCertificate()
{
    if (m_certificatePath.isEmpty()) {
        m_certificateLabel->setText(tr("未选择证书"));
        return;
    }
    const QString file = QFileInfo(m_certificatePath).fileName();
    if (!m_unlocked) {
        m_certificateLabel->setText(tr("%1（签名时输入密码）").arg(file));
        return;
    }
    const QString name =
        m_certificate.commonName.isEmpty() ? m_certificate.subject : m_certificate.commonName;
    const QString until = m_certificate.validTo.isValid()
                              ? m_certificate.validTo.toLocalTime().toString(u"yyyy-MM-dd"_s)
                              : QString();
    m_certificateLabel->setText(until.isEmpty()
                                    ? tr("%1（%2）").arg(name, file)
                                    : tr("%1（%2，有效期至 %3）").arg(name, file, until));
}

void PdfSignDialog::chooseCertificate()
{
    const QString start =
        m_certificatePath.isEmpty() ? QDir::homePath() : QFileInfo(m_certificatePath).path();
    const QString path =
        DialogSeam::getOpenFileName(this, tr("选择证书"), start, tr("证书文件 (*.p12 *.pfx)"));
    if (path.isEmpty())
        return;
    if (unlockCertificate(path))
        QSettings().setValue(settingskeys::SigningCertificate, path);
}

bool PdfSignDialog::unlockCertificate(const QString &path)
{
    PdfCertificate certificate;
    bool wrong = false;
    QString message;
    // A file without a password opens without a question.
    bool opened = PdfSignatures::readCertificate(path, QString(), &certificate, &wrong, &message);
    QString password;
    QString prompt = tr("请输入证书“%1”的密码：").arg(QFileInfo(path).fileName());
    while (!opened && wrong) {
        bool ok = false;
        password =
            DialogSeam::getText(this, tr("证书密码"), prompt, QLineEdit::Password, QString(), &ok);
        if (!ok)
            return false;
        opened = PdfSignatures::readCertificate(path, password, &certificate, &wrong, &message);
        prompt = tr("证书密码错误，请重新输入：");
    }
    if (!opened) {
        ModernMessageBox::showWarning(this, tr("无法打开证书"),
                                      tr("文件不是可用的证书（PKCS#12）。"),
                                      tr("技术信息：%1").arg(message));
        return false;
    }
    m_certificatePath = path;
    m_password = password;
    m_certificate = certificate;
    m_unlocked = true;
    showCertificate();
    return true;
}

void PdfSignDialog::chooseImage()
{
    const QString start = m_imagePath.isEmpty() ? QDir::homePath() : QFileInfo(m_imagePath).path();
    const QString path = DialogSeam::getOpenFileName(this, tr("选择签名图片"), start,
                                                     tr("图片 (*.png *.jpg *.jpeg)"));
    if (path.isEmpty())
        return;
    QImageReader reader(path);
    if (!reader.canRead()) {
        ModernMessageBox::showWarning(this, tr("无法使用图片"), tr("图片无法读取。"),
                                      QDir::toNativeSeparators(path));
        return;
    }
    m_imagePath = path;
    m_imageLabel->setText(QFileInfo(path).fileName());
    m_clearImage->show();
}

void PdfSignDialog::accept()
{
    if (m_certificatePath.isEmpty()) {
        chooseCertificate();
        if (!m_unlocked)
            return;
    }
    if (!m_unlocked && !unlockCertificate(m_certificatePath))
        return;
    const QString timestamp = m_timestamp->text().trimmed();
    if (timestamp.isEmpty())
        QSettings().remove(settingskeys::TimestampUrl);
    else
        QSettings().setValue(settingskeys::TimestampUrl, timestamp);
    QDialog::accept();
}

PdfSignDialog::Choice PdfSignDialog::choice() const
{
    Choice choice;
    PdfSignOptions &options = choice.options;
    options.certificatePath = m_certificatePath;
    options.certificatePassword = m_password;
    options.reason = m_reason->text().trimmed();
    options.location = m_location->text().trimmed();
    options.contactInfo = m_contact->text().trimmed();
    options.timestampUrl = m_timestamp->text().trimmed();
    if (!m_imagePath.isEmpty())
        options.image = PdfSignatureImage::fromImage(QImage(m_imagePath));
    const int index = m_placement->currentIndex();
    if (index <= 0) {
        choice.placement = Placement::DrawBox;
    } else if (index <= m_fields.size()) {
        choice.placement = Placement::Field;
        options.fieldName = m_fields.at(index - 1).fieldName;
        options.pageIndex = m_fields.at(index - 1).pageIndex;
    } else {
        choice.placement = Placement::Invisible;
        options.pageIndex = -1;
    }
    return choice;
}

std::optional<PdfSignDialog::Choice> PdfSignDialog::ask(QWidget *parent,
                                                        const QList<PdfSignatureInfo> &emptyFields)
{
    if (DialogSeam::isScripted())
        return std::nullopt;
    PdfSignDialog dialog(emptyFields, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

void PdfSignDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QWidget *window = parentWidget() ? parentWidget()->window() : nullptr)
        move(window->frameGeometry().center() - rect().center());
}
