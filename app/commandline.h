#pragma once

#include <QCoreApplication>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// What the program was asked on its command line.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Action { Open, Help, Version, Error, Convert, Verify, Sign };

    Action action = Action::Open;
    // Absolute, cleaned paths in the order given, resolved against the caller's folder.
    QStringList files;
    // 1-based page for the first file, 0 when not asked.
    int page = 0;
    bool newWindow = false;
    // Action::Convert: the tool of the tool table to run (--convert-to, --ocr, --compress ...),
    // its options by TaskOption key, and whether a password is to be read (--password).
    int tool = 0;
    QVariantMap options;
    bool readsPassword = false;
    // --outdir, absolute; empty: beside each file.
    QString outputFolder;
    // --sign: the PKCS#12 file, an empty field to sign or a page (1-based) and box (points from
    // the page's top-left corner as it shows itself), the reason and a timestamp authority.
    QString certificate;
    QString signatureField;
    int signaturePage = 0;
    QRectF signatureRect;
    QString reason;
    QString timestampUrl;
    // The usage error, or the help text for Action::Help.
    QString message;

    // `arguments` starts with the program name, as QCoreApplication::arguments() does.
    static CommandLine parse(const QStringList &arguments, const QString &workingFolder);
    // "velmora 1.0.0".
    static QString versionText();
};
