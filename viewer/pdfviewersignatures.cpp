#include "pdfviewerwidget.h"

#include "dialogseam.h"
#include "jobrunner.h"
#include "modernmessagebox.h"
#include "pathidentity.h"
#include "pdfannotationmodel.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentsession.h"
#include "pdfdocumentview.h"
#include "pdffileregistry.h"
#include "pdfoutlinepanel.h"
#include "pdfpageinteraction.h"
#include "pdfpropertiesdialog.h"
#include "pdfreadinghistory.h"
#include "pdfsignaturebar.h"
#include "pdfsignatureboxtool.h"
#include "pdfsignaturespanel.h"
#include "pdfsignaturestatus.h"
#include "pdfsigndialog.h"
#include "pdfthumbnailpanel.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::StringLiterals;

PdfSignatureStatus *PdfViewerWidget::signatureStatus() const
{
    return m_session->signatureStatus();
}

void PdfViewerWidget::wireSignatures()
{
    m_signatureBar = new PdfSignatureBar(this);
    // Under the tool bar and its divider, across the pages and the side panels.
    if (auto *column = qobject_cast<QVBoxLayout *>(layout()))
        column->insertWidget(2, m_signatureBar);
    connect(m_signatureBar, &PdfSignatureBar::panelRequested, this,
            &PdfViewerWidget::showSignaturesPanel);

    m_signaturesPanel = new PdfSignaturesPanel();
    m_outlinePanel->addPanelTab(PdfSignaturesPanel::tabIcon(), m_signaturesPanel->tabText(),
                                m_signaturesPanel);
    connect(m_signaturesPanel, &PdfSignaturesPanel::signatureActivated, this,
            &PdfViewerWidget::goToSignature);
    connect(m_signaturesPanel, &PdfSignaturesPanel::signedVersionRequested, this,
            &PdfViewerWidget::openSignedVersion);

    PdfSignatureStatus *status = m_session->signatureStatus();
    connect(status, &PdfSignatureStatus::checkingStarted, this, [this] {
        // A signed file checked again after a save keeps its bar and its limits while the check
        // runs; another file starts without either.
        if (!pathidentity::same(signatureStatus()->path(), m_limitedPath)) {
            m_annotations->setCertificationLimits(false, false);
            m_signatureBar->clear();
        }
        if (!m_signatureBar->isHidden())
            m_signatureBar->showChecking();
        m_signaturesPanel->showChecking();
    });
    connect(status, &PdfSignatureStatus::signaturesFound, m_signatureBar,
            &PdfSignatureBar::showChecking);
    connect(status, &PdfSignatureStatus::reportReady, this, &PdfViewerWidget::showSignatureReport);
    connect(status, &PdfSignatureStatus::checkFailed, this, [this](const QString &message) {
        if (!m_signatureBar->isHidden())
            m_signatureBar->showFailure(message);
        m_signaturesPanel->showFailure(message);
        m_annotations->setCertificationLimits(false, false);
    });
    connect(status, &PdfSignatureStatus::changed, this, [this] {
        if (signatureStatus()->state() == PdfSignatureStatus::State::None) {
            m_signatureBar->clear();
            m_signaturesPanel->clear();
        }
    });

    m_signatureBox = new PdfSignatureBoxTool(m_documentView, m_pageInteraction);
    connect(m_signatureBox, &PdfSignatureBoxTool::boxDrawn, this, &PdfViewerWidget::signOnBox);
    connect(m_signatureBox, &PdfSignatureBoxTool::cancelled, this,
            [this] { m_pendingSign.reset(); });
    // What was chosen belongs to the file shown when it was chosen.
    connect(this, &PdfViewerWidget::documentLoaded, m_signatureBox, &PdfSignatureBoxTool::cancel);
    connect(m_model, &PdfDocumentModel::documentPathChanged, m_signatureBox,
            &PdfSignatureBoxTool::cancel);
}

void PdfViewerWidget::showSignatureReport()
{
    const PdfSignatureReport &report = signatureStatus()->report();
    m_limitedPath = signatureStatus()->path();
    m_annotations->setCertificationLimits(report.isSigned() && !report.allowsAnnotations(),
                                          report.isSigned() && !report.allowsFormFilling());
    QStringList notes;
    if (report.isSigned())
        notes << PdfSignatureTexts::certificationNote(report.certificationLevel);
    if (m_readOnly)
        notes << tr("签名时的版本，只读");
    notes.removeAll(QString());
    m_signatureBar->showReport(report, notes.join(tr(" · ")));
    m_signaturesPanel->showReport(report);
}

void PdfViewerWidget::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_annotations->setReadOnly(readOnly);
    if (signatureStatus()->state() == PdfSignatureStatus::State::Ready)
        showSignatureReport();
}

void PdfViewerWidget::showSignaturesPanel()
{
    if (m_viewMode != PdfViewMode::DocumentView)
        showDocumentView();
    if (!m_thumbnailsWanted)
        showThumbnailPanel(true);
    m_outlinePanel->showPanel(m_signaturesPanel);
}

void PdfViewerWidget::showAnnotatingRefused(bool formField)
{
    const PdfAnnotationModel::Limit limit =
        formField ? m_annotations->formFillingLimit() : m_annotations->annotatingLimit();
    const QString title = formField ? tr("无法填写表单") : tr("无法添加批注");
    QString text;
    switch (limit) {
    case PdfAnnotationModel::Limit::Certification:
        text = formField ? tr("此文档的认证签名不允许更改表单。")
                         : tr("此文档的认证签名不允许添加或修改批注。");
        break;
    case PdfAnnotationModel::Limit::ReadOnly:
        text = tr("此文档以只读方式打开。");
        break;
    default:
        text = formField ? tr("此 PDF 的权限设置不允许填写表单。")
                         : tr("此 PDF 的权限设置不允许添加或修改批注。");
        break;
    }
    ModernMessageBox::showWarning(this, title, text, QString());
}

void PdfViewerWidget::showSignaturesIn(PdfPropertiesDialog *dialog)
{
    QPointer<PdfPropertiesDialog> guard(dialog);
    const auto show = [this, guard] {
        if (!guard)
            return;
        const PdfSignatureStatus *status = signatureStatus();
        switch (status->state()) {
        case PdfSignatureStatus::State::Ready:
            guard->setSignatures(PdfSignatureTexts::countSummary(status->report()));
            break;
        case PdfSignatureStatus::State::Failed:
            guard->setSignatures(tr("无法验证"));
            break;
        case PdfSignatureStatus::State::Checking:
            guard->setSignatures(tr("正在验证…"));
            break;
        case PdfSignatureStatus::State::None:
            guard->setSignatures(tr("无"));
            break;
        }
    };
    show();
    connect(signatureStatus(), &PdfSignatureStatus::changed, dialog, show);
}

void PdfViewerWidget::goToSignature(int index)
{
    const PdfSignatureStatus *status = signatureStatus();
    const PdfSignatureInfo info = status->report().signatures.value(index);
    if (info.pageIndex < 0)
        return;
    int row = -1;
    const QList<PdfPageEntry> pages = m_model->pages();
    for (qsizetype i = 0; i < pages.size() && row < 0; ++i) {
        if (pages.at(i).sourcePageIndex == info.pageIndex &&
            pathidentity::same(pages.at(i).sourcePath, status->path()))
            row = int(i);
    }
    if (row < 0)
        return;
    if (m_viewMode != PdfViewMode::DocumentView)
        showDocumentView();
    m_history->jumpTo(row);
    if (!info.rect.isEmpty())
        m_documentView->revealPageBox(row, info.rect);
}

void PdfViewerWidget::openSignedVersion(qint64 signedLength)
{
    const QString path = signatureStatus()->path();
    const QString password = m_model->documentPassword();
    if (path.isEmpty())
        return;
    struct Extract
    {
        bool ok = false;
        QString copy;
        QString message;
    };
    auto extract = std::make_shared<Extract>();
    QPointer<PdfViewerWidget> self(this);
    const QFuture<void> extracted = jobs::run(jobs::Lane::Writes, [extract, path, signedLength] {
        extract->ok =
            PdfSignatures::extractRevision(path, signedLength, &extract->copy, &extract->message);
    });
    jobs::whenDone(extracted, this, [self, extract, password] {
        if (!self)
            return;
        if (!extract->ok) {
            ModernMessageBox::showWarning(self, tr("无法打开签名时的版本"),
                                          tr("无法从文件中取出签名时的版本。"),
                                          tr("技术信息：%1").arg(extract->message));
            return;
        }
        Q_EMIT self->readOnlyCopyRequested(extract->copy, password);
    });
}

std::optional<bool> PdfViewerWidget::settleSignedSave(const QString &target)
{
    const PdfSignatureStatus *status = signatureStatus();
    PdfWriteOptions options = m_session->writeOptions();
    options.flattenAnnotations = m_session->flattenNextSave();
    const int changes = status->saveChanges(m_model->sourcePages(), options);
    if (changes == PdfSignatureStatus::KeepsSignatures)
        return std::nullopt;
    const QString detail = PdfSignatureTexts::saveChangeList(changes);
    const QString original = status->path();
    if (!pathidentity::same(target, original)) {
        // The original and its signatures stay; only the copy's signatures break.
        const int answer = ModernMessageBox::confirm(
            this, tr("保存已签名的文档"),
            tr("此文档已签名；新文件中的签名将失效，原文件及其签名保持不变。"), detail,
            tr("仍然保存"), tr("取消"), MessageBoxOptions::Warning);
        if (answer == ModernMessageBox::Confirmed)
            return std::nullopt;
        return false;
    }
    const int answer = ModernMessageBox::confirmWithDiscard(
        this, tr("保存已签名的文档"), tr("此文档已签名；保存将使签名失效。"), detail,
        tr("另存为新文件"), tr("仍然保存"), tr("取消"), MessageBoxOptions::Warning);
    if (answer == ModernMessageBox::Discarded)
        return std::nullopt;
    if (answer != ModernMessageBox::Confirmed)
        return false;
    const QFileInfo info(original);
    const QString edited = info.dir().filePath(u"%1-edited.pdf"_s.arg(info.completeBaseName()));
    const QString chosen = askSavePath(edited);
    if (chosen.isEmpty())
        return false;
    return writeDocument(QFileInfo(chosen).absoluteFilePath());
}

void PdfViewerWidget::signDocument()
{
    if (m_model->pageCount() == 0 || isSaving() || m_signatureBox->isActive())
        return;
    if (m_model->documentPath().isEmpty() || m_model->isModified()) {
        const int answer =
            ModernMessageBox::confirm(this, tr("签名"), tr("签名前需要先保存修改。是否现在保存？"),
                                      tr("签名针对文件中已保存的内容。"), tr("保存"), tr("取消"));
        if (answer != ModernMessageBox::Confirmed || !save() || m_model->isModified())
            return;
    }
    QList<PdfSignatureInfo> emptyFields;
    const PdfSignatureStatus *status = signatureStatus();
    if (status->state() == PdfSignatureStatus::State::Ready) {
        for (const PdfSignatureInfo &info : status->report().signatures) {
            if (info.verdict == PdfSignatureVerdict::Unsigned)
                emptyFields.append(info);
        }
    }
    const std::optional<PdfSignDialog::Choice> choice = PdfSignDialog::ask(this, emptyFields);
    if (!choice)
        return;
    if (choice->placement != PdfSignDialog::Placement::DrawBox) {
        signInto(choice->options);
        return;
    }
    m_pendingSign = std::make_unique<PdfSignOptions>(choice->options);
    showDocumentView();
    m_signatureBox->start();
}

void PdfViewerWidget::signOnBox(int row, const QRectF &rect)
{
    std::unique_ptr<PdfSignOptions> options = std::move(m_pendingSign);
    const std::optional<PdfPageEntry> entry = m_model->pageAt(row);
    if (!options || !entry)
        return;
    if (m_model->isModified() || !pathidentity::same(entry->sourcePath, m_model->documentPath())) {
        ModernMessageBox::showWarning(this, tr("签名失败"),
                                      tr("文档在签名前又被修改了，请保存后再签名。"), QString());
        return;
    }
    options->pageIndex = entry->sourcePageIndex;
    options->rect = rect;
    signInto(*options);
}

void PdfViewerWidget::signInto(const PdfSignOptions &options)
{
    const QString input = m_model->documentPath();
    QString target = DialogSeam::getSaveFileName(
        this, tr("保存签名后的 PDF"), PdfSignatures::signedName(input), tr("PDF 文件 (*.pdf)"));
    if (target.isEmpty())
        return;
    if (QFileInfo(target).suffix().isEmpty())
        target += u".pdf"_s;
    target = QFileInfo(target).absoluteFilePath();
    PdfFileRegistry *registry = m_session->registry();
    bool replace = false;
    if (QFileInfo::exists(target)) {
        if (!registry->sessionsUsing(target, m_session).isEmpty()) {
            ModernMessageBox::showWarning(
                this, tr("签名失败"),
                tr("“%1”已在另一个标签页中打开，请另选文件名。").arg(QFileInfo(target).fileName()),
                QDir::toNativeSeparators(target));
            return;
        }
        if (ModernMessageBox::confirm(
                this, tr("保存签名后的 PDF"),
                tr("“%1”已存在，要替换它吗？").arg(QFileInfo(target).fileName()),
                QDir::toNativeSeparators(target), tr("替换"), tr("取消"),
                MessageBoxOptions::Warning) != ModernMessageBox::Confirmed)
            return;
        replace = true;
    }

    struct SignJob
    {
        bool ok = false;
        QString written;
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
    };
    auto job = std::make_shared<SignJob>();
    const QString password = m_model->documentPassword();
    registry->beginWrite(target);
    QFuture<void> signing =
        jobs::run(jobs::Lane::Writes, [job, input, password, options, target, replace] {
            job->ok = PdfSignatures::sign(input, password, options, target, replace, &job->written,
                                          &job->error, &job->message);
        });

    MessageBoxOptions progress;
    progress.kind = MessageBoxOptions::Question;
    progress.title = tr("正在签名");
    progress.message = options.timestampUrl.isEmpty() ? tr("正在签名并写入文件。")
                                                      : tr("正在签名并向时间戳服务器请求时间戳。");
    progress.details = tr("完成前请不要关闭程序。");
    ModernMessageBox::waitFor(signing, progress, this, u"pdfSignProgressBox"_s);
    signing.waitForFinished();
    registry->endWrite(target);

    if (!job->ok) {
        const QString detail = job->message.trimmed();
        ModernMessageBox::showWarning(this, tr("签名失败"), tr("文档未能签名，文件没有写入。"),
                                      detail.isEmpty() ? QString()
                                                       : tr("技术信息：%1").arg(detail));
        return;
    }
    for (PdfDocumentSession *session : registry->sessions())
        session->noteWritten(job->written);
    // The tab shows the signed file, so that its bar tells of the new signature.
    openDocument(job->written);
}
