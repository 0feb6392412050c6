#include "pdfannotationmodel.h"

#include "pdfdocumentmodel.h"
#include "pdfundomanager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

struct Loaded
{
    QList<QList<PdfAnnotation>> pages;
    QList<QList<PdfFormField>> fields;
    bool allows = true;
    bool ok = false;
};

} // namespace

PdfAnnotationModel::PdfAnnotationModel(PdfDocumentModel *model, PdfUndoManager *undo,
                                       QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_undo(undo)
{
    connect(model, &PdfDocumentModel::documentReset, this, &PdfAnnotationModel::refreshFiles);
    connect(model, &QAbstractItemModel::rowsInserted, this, &PdfAnnotationModel::refreshFiles);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &PdfAnnotationModel::annotationsChanged);
    connect(model, &QAbstractItemModel::rowsMoved, this, &PdfAnnotationModel::annotationsChanged);
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                if (roles.contains(PdfDocumentModel::AnnotationsRole))
                    Q_EMIT annotationsChanged();
            });
    refreshFiles();
}

PdfAnnotationModel::~PdfAnnotationModel()
{
    m_pool.waitForDone();
}

void PdfAnnotationModel::refreshFiles()
{
    if (!m_model)
        return;
    QHash<QString, QString> wanted; // path -> password
    for (const PdfDocumentModel::SourceFile &file : m_model->sourceFiles())
        wanted.insert(file.path, file.password);
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        const QFileInfo info(it.key());
        const auto known = m_files.constFind(it.key());
        if (known != m_files.cend() && known->size == info.size() &&
            known->modified == info.lastModified())
            continue;
        if (!m_loading.contains(it.key()))
            startLoading(it.key(), it.value());
    }
    Q_EMIT annotationsChanged();
}

void PdfAnnotationModel::startLoading(const QString &path, const QString &password)
{
    m_loading.insert(path);
    m_files.remove(path);
    const QFileInfo info(path);
    const qint64 size = info.size();
    const QDateTime modified = info.lastModified();
    QPointer<PdfAnnotationModel> self(this);
    m_pool.start([self, path, password, size, modified] {
        Loaded loaded;
        QString message;
        loaded.ok = PdfEditorBackend::loadAnnotations(path, password, &loaded.pages, &loaded.allows,
                                                      &message, &loaded.fields);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, path, size, modified, loaded] {
                if (!self)
                    return;
                self->m_loading.remove(path);
                FileAnnotations files;
                files.pages = loaded.pages;
                files.fields = loaded.fields;
                files.size = size;
                files.modified = modified;
                self->m_files.insert(path, files);
                if (self->m_model && path == self->m_model->documentPath()) {
                    const bool allows = loaded.ok ? loaded.allows : true;
                    self->changeLimits([&] { self->m_allowsAnnotating = allows; });
                }
                Q_EMIT self->annotationsChanged();
            },
            Qt::QueuedConnection);
    });
}

PdfAnnotationModel::Limit PdfAnnotationModel::annotatingLimit() const
{
    if (m_readOnly)
        return Limit::ReadOnly;
    if (!m_allowsAnnotating)
        return Limit::FilePermissions;
    return m_certifiedAnnotations ? Limit::Certification : Limit::None;
}

PdfAnnotationModel::Limit PdfAnnotationModel::formFillingLimit() const
{
    if (m_readOnly)
        return Limit::ReadOnly;
    if (!m_allowsAnnotating)
        return Limit::FilePermissions;
    return m_certifiedForms ? Limit::Certification : Limit::None;
}

void PdfAnnotationModel::changeLimits(const std::function<void()> &change)
{
    const bool before = allowsAnnotating();
    change();
    if (allowsAnnotating() != before)
        Q_EMIT allowsAnnotatingChanged(allowsAnnotating());
}

void PdfAnnotationModel::setCertificationLimits(bool annotationsLocked, bool formsLocked)
{
    changeLimits([&] {
        m_certifiedAnnotations = annotationsLocked;
        m_certifiedForms = formsLocked;
    });
}

void PdfAnnotationModel::setReadOnly(bool readOnly)
{
    changeLimits([&] { m_readOnly = readOnly; });
}

void PdfAnnotationModel::waitUntilLoaded()
{
    while (!m_loading.isEmpty()) {
        m_pool.waitForDone(50);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

QList<PdfAnnotationItem> PdfAnnotationModel::annotations(int row) const
{
    QList<PdfAnnotationItem> items;
    const std::optional<PdfPageEntry> entry = m_model ? m_model->pageAt(row) : std::nullopt;
    if (!entry)
        return items;
    const auto file = m_files.constFind(entry->sourcePath);
    if (file != m_files.cend() && entry->sourcePageIndex >= 0 &&
        entry->sourcePageIndex < file->pages.size()) {
        for (const PdfAnnotation &a : file->pages.at(entry->sourcePageIndex))
            if (!entry->hiddenAnnotations.contains(a.fileIndex))
                items.append({{entry->id, true, a.fileIndex}, a});
    }
    for (qsizetype i = 0; i < entry->annotations.size(); ++i)
        items.append({{entry->id, false, int(i)}, entry->annotations.at(i)});
    return items;
}

std::optional<PdfAnnotation> PdfAnnotationModel::annotation(const PdfAnnotationRef &ref) const
{
    const int row = m_model ? m_model->rowOfPage(ref.page) : -1;
    for (const PdfAnnotationItem &item : annotations(row))
        if (item.ref == ref)
            return item.annotation;
    return std::nullopt;
}

QString PdfAnnotationModel::editorName() const
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    return name.isEmpty() ? QDir::home().dirName() : name;
}

PdfAnnotationRef PdfAnnotationModel::add(PdfPageId page, const PdfAnnotation &annotation)
{
    const std::optional<PdfPageEntry> entry =
        m_model ? m_model->pageAt(m_model->rowOfPage(page)) : std::nullopt;
    if (!entry || !m_undo || !allowsAnnotating())
        return {};
    PdfAnnotation added = annotation;
    added.fileIndex = -1;
    // Free text shows all it says: its box grows to hold it.
    added.rect = PdfEditorBackend::fittedRect(added);
    if (added.author.isEmpty())
        added.author = editorName();
    added.modified = QDateTime::currentDateTimeUtc();
    QList<PdfAnnotation> list = entry->annotations;
    list.append(added);
    if (!m_undo->setPageAnnotations(page, list, entry->hiddenAnnotations, tr("添加批注")))
        return {};
    return {page, false, int(list.size() - 1)};
}

PdfAnnotationRef PdfAnnotationModel::update(const PdfAnnotationRef &ref,
                                            const PdfAnnotation &annotation)
{
    const std::optional<PdfPageEntry> entry =
        m_model ? m_model->pageAt(m_model->rowOfPage(ref.page)) : std::nullopt;
    if (!entry || !m_undo || !allowsAnnotating() || !ref.isValid())
        return {};
    PdfAnnotation changed = annotation;
    changed.modified = QDateTime::currentDateTimeUtc();
    changed.rect = PdfEditorBackend::fittedRect(changed);
    QList<PdfAnnotation> list = entry->annotations;
    QList<int> hidden = entry->hiddenAnnotations;
    PdfAnnotationRef result = ref;
    if (ref.fromFile) {
        // The file's own annotation is left out and an edited copy written in its place.
        if (!canRedraw(annotation) || hidden.contains(ref.index))
            return {};
        hidden.append(ref.index);
        changed.fileIndex = ref.index;
        list.append(changed);
        result = {ref.page, false, int(list.size() - 1)};
    } else {
        if (ref.index >= list.size())
            return {};
        list[ref.index] = changed;
    }
    if (!m_undo->setPageAnnotations(ref.page, list, hidden, tr("编辑批注")))
        return {};
    return result;
}

bool PdfAnnotationModel::remove(const PdfAnnotationRef &ref)
{
    const std::optional<PdfPageEntry> entry =
        m_model ? m_model->pageAt(m_model->rowOfPage(ref.page)) : std::nullopt;
    if (!entry || !m_undo || !allowsAnnotating() || !ref.isValid())
        return false;
    QList<PdfAnnotation> list = entry->annotations;
    QList<int> hidden = entry->hiddenAnnotations;
    if (ref.fromFile) {
        if (hidden.contains(ref.index))
            return false;
        hidden.append(ref.index);
    } else {
        if (ref.index >= list.size())
            return false;
        list.removeAt(ref.index);
    }
    return m_undo->setPageAnnotations(ref.page, list, hidden, tr("删除批注"));
}

bool PdfAnnotationModel::isEmpty() const
{
    const int count = m_model ? m_model->pageCount() : 0;
    for (int row = 0; row < count; ++row)
        if (!annotations(row).isEmpty() || !formFields(row).isEmpty())
            return false;
    return true;
}

QList<PdfFormField> PdfAnnotationModel::formFields(int row) const
{
    const std::optional<PdfPageEntry> entry = m_model ? m_model->pageAt(row) : std::nullopt;
    if (!entry)
        return {};
    const auto file = m_files.constFind(entry->sourcePath);
    if (file == m_files.cend() || entry->sourcePageIndex < 0 ||
        entry->sourcePageIndex >= file->fields.size())
        return {};
    QList<PdfFormField> fields = file->fields.at(entry->sourcePageIndex);
    for (PdfFormField &field : fields) {
        const auto value = entry->fieldValues.constFind(field.name);
        if (value != entry->fieldValues.cend())
            field.value = *value;
    }
    return fields;
}

bool PdfAnnotationModel::setFieldValue(int row, const QString &name, const QString &value)
{
    const std::optional<PdfPageEntry> entry = m_model ? m_model->pageAt(row) : std::nullopt;
    if (!entry || !m_undo || !allowsFormFilling())
        return false;
    bool known = false;
    for (const PdfFormField &field : formFields(row)) {
        if (field.name != name || field.readOnly)
            continue;
        if (field.value == value)
            return false;
        known = true;
    }
    if (!known)
        return false;
    QMap<QString, QString> values = entry->fieldValues;
    values.insert(name, value);
    return m_undo->setPageFieldValues(entry->id, values);
}

QString PdfAnnotationModel::typeName(PdfAnnotation::Type type)
{
    using Type = PdfAnnotation::Type;
    switch (type) {
    case Type::Highlight:
        return tr("高亮");
    case Type::Underline:
        return tr("下划线");
    case Type::StrikeOut:
        return tr("删除线");
    case Type::Note:
        return tr("便笺");
    case Type::FreeText:
        return tr("文本框");
    case Type::Ink:
        return tr("手绘");
    case Type::Rectangle:
        return tr("矩形");
    case Type::Ellipse:
        return tr("椭圆");
    case Type::Arrow:
        return tr("箭头");
    case Type::Other:
        break;
    }
    return tr("其他批注");
}
