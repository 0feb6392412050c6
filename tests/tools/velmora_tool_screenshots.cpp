// Renders every tool page in its views (drop zone, file list, task list with completed and failed
// jobs, plus the open menus and feedback states) to PNG files for review. Jobs run for real on
// files made in a temporary folder. Usage: velmora_tool_screenshots <output folder>

#include "batchoptionspanel.h"
#include "batchtoolpage.h"
#include "combopopup.h"
#include "customtabwidget.h"
#include "dialogseam.h"
#include "filedropzonewidget.h"
#include "filelistwidget.h"
#include "filelocationselector.h"
#include "framelesswindow.h"
#include "iconbutton.h"
#include "languagemanager.h"
#include "mainpage.h"
#include "moderncombobox.h"
#include "passwordinput.h"
#include "pdffixtures.h"
#include "screenshots.h"
#include "startup.h"
#include "tasklistitem.h"
#include "tasklistwidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace shots;

namespace {

bool allFinished(const BatchToolPage *page)
{
    QListWidget *view = page->taskList()->listWidget();
    for (int i = 0; i < view->count(); ++i) {
        if (page->taskList()->status(view->item(i)->data(Qt::UserRole).toString()) < 3)
            return false;
    }
    return view->count() > 0;
}

void writeGarbage(const QString &path)
{
    QFile out(path);
    if (out.open(QIODevice::WriteOnly))
        out.write("this is not what its name says\n");
}

void typePassword(BatchToolPage *page, const char *name, const QString &text)
{
    if (auto *input = page->optionsPanel()->findChild<PasswordInput *>(QLatin1StringView(name)))
        input->lineEdit()->setText(text);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    Startup::configureApplication(app);
    shots::setFolder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    // An optional language code ("de_DE") renders the pages in that language.
    if (argc > 2 && !LanguageManager::instance().setLanguage(QString::fromLatin1(argv[2])))
        qWarning() << "unknown language" << argv[2];

    QTemporaryDir work;
    const auto file = [&](const QString &name) {
        return work.filePath(name);
    };
    using namespace fixtures;
    const QString report = textPdf(file(u"年度报告 2024.pdf"_s), 12);
    const QString contract = textPdf(file(u"contract.pdf"_s), 3);
    const QString slides = textPdf(file(u"presentation-slides-final-version-with-notes.pdf"_s), 30);
    const QString scan =
        photoPdf(file(u"scan-0001.pdf"_s), 2, QSize(1600, 1200), QSizeF(595, 446), Embedding::Jpeg);
    const QString broken = file(u"broken.pdf"_s);
    writeGarbage(broken);
    const QString locked = file(u"locked.pdf"_s);
    fixtures::encrypt(contract, locked, fixtures::Scheme::Aes256, u"secret"_s, u"secret"_s);
    const QString otherLock = file(u"other-password.pdf"_s);
    fixtures::encrypt(report, otherLock, fixtures::Scheme::Aes256, u"different"_s, u"different"_s);
    const QString photo = file(u"holiday.jpg"_s);
    picture(QSize(1200, 800)).save(photo, "JPG");
    const QString chart = file(u"chart.png"_s);
    picture(QSize(640, 480), true).save(chart, "PNG");
    const QString badImage = file(u"damaged.png"_s);
    writeGarbage(badImage);
    const QString notes = file(u"notes.txt"_s);
    {
        QFile text(notes);
        if (text.open(QIODevice::WriteOnly))
            text.write("Notes for the Office to PDF page\n");
    }
    const QString badDocument = file(u"damaged.docx"_s);
    writeGarbage(badDocument);
    const QString emptyDocument = file(u"empty.doc"_s);
    QFile(emptyDocument).open(QIODevice::WriteOnly);
    const QString pdfAsDocument = file(u"scan.docx"_s);
    QFile::copy(report, pdfAsDocument);
    // Questions not answered here (the passwords of files added) are skipped.
    DialogSeam::setScripted(true);

    FramelessWindow window;
    Startup::installMainPage(window);
    window.resize(1160, 780);
    window.show();
    settle();
    auto *main = qobject_cast<MainPage *>(window.contentWidget());

    struct Tool
    {
        int type;
        const char *name;
        QStringList files;
    };
    const QList<Tool> tools = {
        {1, "compress", {report, scan, slides, broken}},
        {5, "pdf-to-images", {contract, scan, broken}},
        {4, "images-to-pdf", {photo, chart, badImage}},
        {6, "unlock", {locked, otherLock}},
        {7, "encrypt", {contract, report, broken}},
        {8, "merge", {report, contract, broken, slides}},
        {2, "pdf-to-office", {report, scan, broken}},
        {3, "office-to-pdf", {notes, badDocument, emptyDocument, pdfAsDocument}},
        {9, "recognise-text", {scan, report, broken}},
    };
    for (const Tool &tool : tools) {
        main->onToolClicked(tool.type);
        QWidget *current = main->tabWidget()->currentWidget();
        const QString name = QString::fromLatin1(tool.name);
        save(&window, name + u"-empty"_s);
        auto *page = qobject_cast<BatchToolPage *>(current);
        if (!page)
            continue;
        Q_EMIT page->dropZone()->fileSelected(tool.files);
        typePassword(page, "passwordInput", u"secret"_s);
        typePassword(page, "confirmPasswordInput", u"secret"_s);
        save(&window, name + u"-files"_s);
        if (tool.type == 1) {
            // A row half-way through a drag, over the last row.
            QListWidget *view = page->fileList()->listWidget();
            QWidget *row = view->itemWidget(view->item(0));
            const QPoint start = row->rect().center();
            const auto send = [row](QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
                QMouseEvent event(type, QPointF(pos), QPointF(row->mapToGlobal(pos)),
                                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                                  buttons, Qt::NoModifier);
                QApplication::sendEvent(row, &event);
            };
            send(QEvent::MouseButtonPress, start, Qt::LeftButton);
            send(QEvent::MouseMove, start + QPoint(0, 20), Qt::LeftButton);
            send(QEvent::MouseMove, start + QPoint(0, 170), Qt::LeftButton);
            save(&window, name + u"-dragging"_s);
            send(QEvent::MouseButtonRelease, start + QPoint(0, 170), Qt::NoButton);
        }
        page->optionsPanel()->startButton()->click();
        // A start waits until the list has looked at its files.
        (void)QTest::qWaitFor([page] { return !page->fileList()->isChecking(); }, 60000);
        settle();
        if (!QTest::qWaitFor([&] { return allFinished(page); }, 120000))
            qWarning() << "jobs still running on" << name;
        save(&window, name + u"-tasks"_s);
        if (auto *remove = page->taskList()->findChild<QPushButton *>(u"taskRemoveInputButton"_s);
            remove && remove->isVisible()) {
            remove->click();
            settle();
            if (!QTest::qWaitFor([&] { return allFinished(page); }, 120000))
                qWarning() << "the retried job is still running on" << name;
            save(&window, name + u"-retried"_s);
        }
    }

    // A protected file added to a list asks for its password, naming it.
    {
        main->onToolClicked(1);
        auto *compress = qobject_cast<BatchToolPage *>(main->tabWidget()->currentWidget());
        compress->taskList()->findChild<IconButton *>(u"taskRestartButton"_s)->click();
        DialogSeam::setScripted(false);
        QTimer poll;
        poll.setInterval(50);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box)
                return;
            poll.stop();
            settle();
            QPixmap shot = window.grab();
            QPainter p(&shot);
            p.drawPixmap(box->mapToGlobal(QPoint()) - window.mapToGlobal(QPoint()), box->grab());
            p.end();
            save(shot, u"password-prompt"_s);
            box->close();
        });
        poll.start();
        Q_EMIT compress->dropZone()->fileSelected({locked});
        (void)QTest::qWaitFor([compress] { return !compress->fileList()->isChecking(); }, 60000);
        compress->fileList()->clearFiles();
    }

    // Closing a tool tab while its jobs run asks first.
    {
        const QString longDoc = textPdf(file(u"long.pdf"_s), 400);
        main->onToolClicked(5);
        auto *images = qobject_cast<BatchToolPage *>(main->tabWidget()->currentWidget());
        images->taskList()->findChild<IconButton *>(u"taskRestartButton"_s)->click();
        Q_EMIT images->dropZone()->fileSelected({longDoc});
        images->optionsPanel()->startButton()->click();
        settle();
        QTimer::singleShot(400, [&window] {
            QWidget *box = QApplication::activeModalWidget();
            QPixmap shot = window.grab();
            if (box) {
                QPainter p(&shot);
                p.drawPixmap(box->mapToGlobal(QPoint()) - window.mapToGlobal(QPoint()),
                             box->grab());
                p.end();
            }
            save(shot, u"close-while-running"_s);
            if (box)
                box->close();
        });
        // Answered by closing the box: keep waiting, then let the job end.
        images->confirmClose();
        if (!QTest::qWaitFor([&] { return allFinished(images); }, 120000))
            qWarning() << "the long job is still running";
    }

    // Feedback and menus.
    main->onToolClicked(7);
    auto *encrypt = qobject_cast<BatchToolPage *>(main->tabWidget()->currentWidget());
    encrypt->taskList()->findChild<IconButton *>(u"taskRestartButton"_s)->click();
    typePassword(encrypt, "passwordInput", u"abc"_s);
    typePassword(encrypt, "confirmPasswordInput", u"abd"_s);
    save(&window, u"encrypt-mismatch"_s);
    typePassword(encrypt, "passwordInput", QString());
    typePassword(encrypt, "confirmPasswordInput", QString());
    save(&window, u"encrypt-required"_s);
    encrypt->optionsPanel()->findChild<QToolButton *>(u"moreOptionsToggle"_s)->click();
    encrypt->optionsPanel()->findChild<QCheckBox *>(u"allowModifyCheck"_s)->setChecked(false);
    save(&window, u"encrypt-restricted-without-owner"_s);
    typePassword(encrypt, "ownerPasswordInput", u"owner"_s);
    save(&window, u"encrypt-more-options"_s);

    auto *combo = encrypt->optionsPanel()->locationComboBox();
    QTest::mouseClick(combo, Qt::LeftButton);
    settle();
    QPixmap shot = window.grab();
    {
        QPainter p(&shot);
        QWidget *popup = combo->popup();
        p.drawPixmap(popup->mapToGlobal(QPoint()) - window.mapToGlobal(QPoint()), popup->grab());
    }
    save(shot, u"location-combo-open"_s);
    combo->popup()->hide();

    // The selector the viewer's side panel uses, in its states, with its menu.
    QWidget sheet;
    sheet.setStyleSheet(u"background:#F7F8FC;"_s);
    sheet.resize(340, 300);
    auto *a = new FileLocationSelector(&sheet);
    a->setSourceFolder(work.path());
    a->setGeometry(20, 20, 300, 62);
    auto *b = new FileLocationSelector(&sheet);
    b->setLocation(FileLocationSelector::Documents);
    b->setGeometry(20, 100, 300, 62);
    auto *c = new FileLocationSelector(&sheet);
    c->setLocation(FileLocationSelector::Custom,
                   u"/home/user/Projects/Quarterly reports/2024/Final versions/exports"_s);
    c->setGeometry(20, 180, 300, 62);
    sheet.show();
    c->setFocus();
    save(&sheet, u"location-selector"_s);
    a->click();
    settle();
    if (QMenu *menu = a->menu()) {
        QPixmap canvas(340 + 40, 300 + 200);
        canvas.fill(QColor(u"#F7F8FC"_s));
        QPainter p(&canvas);
        p.drawPixmap(0, 0, sheet.grab());
        p.drawPixmap(menu->mapToGlobal(QPoint()) - sheet.mapToGlobal(QPoint()), menu->grab());
        p.end();
        save(canvas, u"location-selector-menu"_s);
        menu->close();
    }
    return 0;
}
