#include "pdfpropertiesdialog.h"

#include "filesizetext.h"
#include "kitstyle.h"
#include "theme.h"

#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString cardStyle()
{
    return uR"(
QFrame#propertiesCard { background: %1; border: 1px solid %2; border-radius: 18px; }
QFrame#propertiesAccent { background: %3; border: none; border-radius: 2px; }
QFrame#propertiesRule { background: %9; border: none; }
QLabel#propertiesHeading { color: %4; background: transparent; font-size: 24px; font-weight: 600; }
QLabel[role="field"] { color: %10; background: transparent; font-size: 13px; }
QLabel[role="value"] { color: %5; background: transparent; font-size: 13px; }
QLabel#propertiesNotice { color: %10; background: transparent; font-size: 13px; }
QLineEdit { color: %5; background: %1; border: 1px solid %6; border-radius: 8px;
            min-height: 32px; padding: 0 10px; font-size: 13px; }
QLineEdit:focus { border-color: %3; }
QLineEdit:read-only { background: %7; }
QPushButton { padding: 0 20px; border-radius: 21px; font-size: 15px; font-weight: 600; }
QPushButton#propertiesCancelButton { color: %5; background: %1; border: 1px solid %6; }
QPushButton#propertiesCancelButton:hover { background: %7; }
QPushButton#propertiesConfirmButton { color: %1; background: %3; border: 1px solid %3; }
QPushButton#propertiesConfirmButton:hover { background: %8; border-color: %8; }
)"_s.arg(Theme::surface, Theme::cardBorder, Theme::accent, Theme::cardTitle, Theme::cardText,
         Theme::cancelBorder, Theme::cancelHover, Theme::accentHover, Theme::rowSeparator)
        .arg(Theme::cardDetails);
}

QString dateText(const QDateTime &when)
{
    return when.isValid() ? QLocale().toString(when.toLocalTime(), QLocale::ShortFormat)
                          : PdfPropertiesDialog::tr("未知");
}

QString sizeText(const QSizeF &points)
{
    const auto mm = [](double pt) {
        return QString::number(qRound(pt / 72.0 * 25.4));
    };
    return PdfPropertiesDialog::tr("%1 × %2 毫米").arg(mm(points.width()), mm(points.height()));
}

} // namespace

PdfPropertiesDialog::PdfPropertiesDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(u"pdfPropertiesDialog"_s);
    setModal(true);
    setMinimumWidth(600);

    const KitStyle::CardDialog frame =
        KitStyle::makeCardDialog(this, u"propertiesCard"_s, cardStyle(), u"propertiesAccent"_s);
    m_card = frame.card;
    QVBoxLayout *layout = frame.content;
    KitStyle::addCardTitle(frame, tr("文档属性"), u"propertiesHeading"_s, 18);
    m_grid = KitStyle::cardGrid(8);
    const auto addEdit = [this](const QString &label, const QString &objectName) {
        auto *field = new QLabel(label, m_card);
        field->setProperty("role", u"field"_s);
        auto *edit = new QLineEdit(m_card);
        edit->setObjectName(objectName);
        const int row = m_grid->rowCount();
        m_grid->addWidget(field, row, 0);
        m_grid->addWidget(edit, row, 1);
        return edit;
    };
    m_title = addEdit(tr("标题"), u"propertiesTitleEdit"_s);
    m_author = addEdit(tr("作者"), u"propertiesAuthorEdit"_s);
    m_subject = addEdit(tr("主题"), u"propertiesSubjectEdit"_s);
    m_keywords = addEdit(tr("关键词"), u"propertiesKeywordsEdit"_s);
    m_keywords->setPlaceholderText(tr("以逗号分隔"));

    auto *rule = new QFrame(m_card);
    rule->setObjectName(u"propertiesRule"_s);
    rule->setFixedHeight(1);
    const int ruleRow = m_grid->rowCount();
    m_grid->addItem(new QSpacerItem(0, 6), ruleRow, 0);
    m_grid->addWidget(rule, ruleRow + 1, 0, 1, 2);
    m_grid->addItem(new QSpacerItem(0, 6), ruleRow + 2, 0);

    m_location = addValue(u"location"_s, tr("位置"), u"propertiesLocation"_s);
    m_fileSize = addValue(u"size"_s, tr("文件大小"), u"propertiesFileSize"_s);
    m_pageCount = addValue(u"pages"_s, tr("页数"), u"propertiesPageCount"_s);
    m_pageSize = addValue(u"pageSize"_s, tr("页面大小"), u"propertiesPageSize"_s);
    m_version = addValue(u"version"_s, tr("PDF 版本"), u"propertiesVersion"_s);
    m_creator = addValue(u"creator"_s, tr("创建程序"), u"propertiesCreator"_s);
    m_producer = addValue(u"producer"_s, tr("PDF 生成器"), u"propertiesProducer"_s);
    m_created = addValue(u"created"_s, tr("创建时间"), u"propertiesCreated"_s);
    m_modified = addValue(u"modified"_s, tr("修改时间"), u"propertiesModified"_s);
    m_encryption = addValue(u"encryption"_s, tr("加密"), u"propertiesEncryption"_s);
    m_permissions = addValue(u"permissions"_s, tr("权限"), u"propertiesPermissions"_s);
    m_signatures = addValue(u"signatures"_s, tr("数字签名"), u"propertiesSignatures"_s);
    m_signatures->setText(tr("正在读取…"));
    m_location->setWordWrap(true);
    m_permissions->setWordWrap(true);
    for (QLabel *label : {m_fileSize, m_version, m_creator, m_producer, m_created, m_modified,
                          m_encryption, m_permissions})
        label->setText(tr("正在读取…"));
    layout->addLayout(m_grid);

    m_notice = new QLabel(m_card);
    m_notice->setObjectName(u"propertiesNotice"_s);
    m_notice->setWordWrap(true);
    m_notice->hide();
    layout->addSpacing(10);
    layout->addWidget(m_notice);
    layout->addSpacing(18);

    KitStyle::addCardButtons(this, frame, u"properties"_s, tr("取消"), tr("确定"));
    setEditable(false);
    adjustSize();
}

QLabel *PdfPropertiesDialog::addValue(const QString &name, const QString &label,
                                      const QString &objectName)
{
    auto *field = new QLabel(label, m_card);
    field->setProperty("role", u"field"_s);
    field->setObjectName(objectName + u"Label"_s);
    auto *value = new QLabel(m_card);
    value->setObjectName(objectName);
    value->setProperty("role", u"value"_s);
    value->setProperty("property", name);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setTextFormat(Qt::PlainText);
    const int row = m_grid->rowCount();
    m_grid->addWidget(field, row, 0, Qt::AlignTop);
    m_grid->addWidget(value, row, 1);
    return value;
}

void PdfPropertiesDialog::setDocument(const QString &path, const QList<QSizeF> &pageSizes,
                                      const PdfDocumentMetadata &metadata)
{
    m_location->setText(path.isEmpty() ? tr("未保存") : QDir::toNativeSeparators(path));
    m_pageCount->setText(QLocale().toString(pageSizes.size()));
    QString size = pageSizes.isEmpty() ? tr("未知") : sizeText(pageSizes.first());
    for (const QSizeF &other : pageSizes) {
        if (other.toSize() != pageSizes.first().toSize()) {
            size = tr("%1（各页大小不同）").arg(size);
            break;
        }
    }
    m_pageSize->setText(size);
    m_original = metadata;
    m_title->setText(metadata.title);
    m_author->setText(metadata.author);
    m_subject->setText(metadata.subject);
    m_keywords->setText(metadata.keywords);
    for (QLineEdit *edit : {m_title, m_author, m_subject, m_keywords})
        edit->setCursorPosition(0);
}

void PdfPropertiesDialog::setProperties(const PdfDocumentProperties &properties)
{
    m_fileSize->setText(tr("%1（%2 字节）")
                            .arg(FileSizeText::format(properties.fileSize),
                                 QLocale().toString(properties.fileSize)));
    QString version = properties.version.isEmpty() ? tr("未知") : properties.version;
    if (properties.linearized)
        version = tr("%1，已为快速网页查看优化").arg(version);
    m_version->setText(version);
    m_creator->setText(properties.creator.isEmpty() ? tr("未知") : properties.creator);
    m_producer->setText(properties.producer.isEmpty() ? tr("未知") : properties.producer);
    m_created->setText(dateText(properties.created));
    m_modified->setText(dateText(properties.modified));

    if (!properties.encrypted) {
        m_encryption->setText(tr("无"));
        m_permissions->setText(tr("不受限制"));
        setEditable(true);
        return;
    }
    m_encryption->setText(properties.encryption.isEmpty()
                              ? tr("已加密")
                              : tr("已加密（%1）").arg(properties.encryption));
    const auto allowed = [](bool yes) {
        return yes ? tr("允许") : tr("不允许");
    };
    QStringList lines = {
        tr("打印：%1")
            .arg(properties.canPrint && !properties.canPrintHighQuality
                     ? tr("仅低质量")
                     : allowed(properties.canPrint)),
        tr("修改内容：%1").arg(allowed(properties.canModify)),
        tr("复制文本和图像：%1").arg(allowed(properties.canCopy)),
        tr("添加注释：%1").arg(allowed(properties.canAnnotate)),
        tr("填写表单：%1").arg(allowed(properties.canFillForms)),
        tr("组合页面：%1").arg(allowed(properties.canAssemble)),
    };
    if (properties.ownerAccess)
        lines.prepend(tr("已用所有者密码打开，不受这些限制"));
    m_permissions->setText(lines.join(u'\n'));
    const bool editable = properties.ownerAccess || properties.canModify;
    setEditable(editable);
    if (!editable) {
        m_notice->setText(tr("此文件的权限不允许修改文档属性。"));
        m_notice->show();
    }
}

void PdfPropertiesDialog::setReadError(const QString &message)
{
    for (QLabel *label : {m_fileSize, m_version, m_creator, m_producer, m_created, m_modified,
                          m_encryption, m_permissions})
        label->setText(tr("未知"));
    m_notice->setText(tr("无法读取文件的属性：%1").arg(message));
    m_notice->show();
}

void PdfPropertiesDialog::setSignatures(const QString &summary)
{
    m_signatures->setText(summary);
}

void PdfPropertiesDialog::setEditable(bool editable)
{
    m_editable = editable;
    if (!editable) {
        // Anything typed before the permissions were known is not kept.
        m_title->setText(m_original.title);
        m_author->setText(m_original.author);
        m_subject->setText(m_original.subject);
        m_keywords->setText(m_original.keywords);
    }
    for (QLineEdit *edit : {m_title, m_author, m_subject, m_keywords})
        edit->setReadOnly(!editable);
}

PdfDocumentMetadata PdfPropertiesDialog::metadata() const
{
    if (!m_editable)
        return m_original;
    return {m_title->text().trimmed(), m_author->text().trimmed(), m_subject->text().trimmed(),
            m_keywords->text().trimmed()};
}

void PdfPropertiesDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QWidget *window = parentWidget() ? parentWidget()->window() : nullptr)
        move(window->frameGeometry().center() - rect().center());
}
