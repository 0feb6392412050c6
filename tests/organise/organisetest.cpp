#include "organisetest.h"

#include "pdffixtures.h"
#include "widgetinput.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace organise {

QSizeF fixturePageSize(int index)
{
    return QSizeF(200 + 10 * index, 300);
}

QString writeFixture(const QTemporaryDir &dir, const QString &name, int count)
{
    fixtures::DocumentSpec spec;
    for (int i = 0; i < count; ++i) {
        fixtures::PageSpec page;
        page.size = fixturePageSize(i);
        page.colour = fixtures::colourFor(i);
        spec.pages.append(page);
    }
    const QString path = dir.filePath(name);
    return fixtures::write(spec, path) ? path : QString();
}

std::unique_ptr<PdfDocumentModel> loadFixture(const QTemporaryDir &dir, const QString &name,
                                              int count)
{
    const QString path = writeFixture(dir, name, count);
    if (path.isEmpty())
        return nullptr;
    auto model = std::make_unique<PdfDocumentModel>();
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    if (!model->loadDocument(path, QString(), &error, &message))
        return nullptr;
    return model;
}

PdfPageId idAt(const PdfDocumentModel &model, int row)
{
    const std::optional<PdfPageEntry> entry = model.pageAt(row);
    return entry ? entry->id : 0;
}

void mouseMove(QWidget *widget, QPoint pos)
{
    input::sendMouse(widget, QEvent::MouseMove, pos);
}

void mouseLeave(QWidget *widget)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);
}

void mouseClick(QWidget *widget, QPoint pos)
{
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, pos);
}

} // namespace organise
