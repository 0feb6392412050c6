#pragma once

#include "batchtoolpage.h"

// The tool pages of the tool table's rows, each a BatchToolPage with its options panel and the
// files it takes.

// Compresses PDF files, one job per file.
class PdfCompressPage : public BatchToolPage
{
    Q_OBJECT
public:
    explicit PdfCompressPage(QWidget *parent = nullptr);
};

// Writes a Word, Excel or PowerPoint file from each PDF.
class PdfToOfficePage : public BatchToolPage
{
    Q_OBJECT
public:
    explicit PdfToOfficePage(QWidget *parent = nullptr);
};

// Writes a PDF from each Office document.
class OfficeToPdfPage : public BatchToolPage
{
    Q_OBJECT
public:
    explicit OfficeToPdfPage(QWidget *parent = nullptr);
};

// Turns images into one PDF each, or all into one.
class ImageToPdfPage : public BatchToolPage
{
    Q_OBJECT
public:
    explicit ImageToPdfPage(QWidget *parent = nullptr);
};

// Turns each PDF into a folder of images.
class PdfConvertPage : public BatchToolPage
{
    Q_OBJECT
public:
    explicit PdfConvertPage(QWidget *parent = nullptr);
};

// Removes the password of each PDF.
class PdfDecryPage : public BatchToolPage
{
    Q_OBJECT
public:
    explicit PdfDecryPage(QWidget *parent = nullptr);
};

// Protects each PDF with a password.
class PdfEncryPage : public BatchToolPage
{
    Q_OBJECT
public:
    explicit PdfEncryPage(QWidget *parent = nullptr);
};

// Merges the listed PDFs into one, in list order.
class PdfMergePage : public BatchToolPage
{
    Q_OBJECT
public:
    explicit PdfMergePage(QWidget *parent = nullptr);
};

// Gives scanned PDFs a searchable text layer.
class TextRecognitionPage : public BatchToolPage
{
    Q_OBJECT
public:
    explicit TextRecognitionPage(QWidget *parent = nullptr);
};
