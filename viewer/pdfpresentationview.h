#pragma once

#include "pdfpageid.h"
#include "pdfrenderpurpose.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QWidget>

class PdfDocumentModel;
class PdfRenderManager;
class QTimer;

// One page at a time, fitted on black, over the whole screen. Keys, clicks and the wheel turn
// pages; Escape (or closing) ends it and reports the page reached. Page images come from the
// render manager in the background, the neighbours asked for ahead.
class PdfPresentationView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int RenderPriority = 30;

    PdfPresentationView(PdfDocumentModel *model, PdfRenderManager *manager, int viewRotation,
                        int startRow, QWidget *parent);
    ~PdfPresentationView() override;

    int currentRow() const { return m_row; }
    void goToRow(int row);
    // True when the current page's image is on screen (not the black wait).
    bool isPageShown() const;

Q_SIGNALS:
    void finished(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QRect pageArea(int row) const;
    void requestRow(int row, int priority);
    void requestAround();
    void onPageRendered(PdfPageId pageId, QSize targetSize, PdfRenderPurpose purpose,
                        qulonglong requestId, qulonglong documentRevision, const QImage &image);
    void showCursorForAWhile();

    QPointer<PdfDocumentModel> m_model;
    QPointer<PdfRenderManager> m_renderManager;
    int m_viewRotation = 0;
    int m_row = 0;
    int m_wheel = 0;
    bool m_finished = false;
    // Images of the current page and its neighbours, at the size they were asked for.
    struct Held
    {
        QImage image;
        QSize size;
    };
    QHash<PdfPageId, Held> m_images;
    QHash<quint64, PdfPageId> m_pending;
    QHash<PdfPageId, QSize> m_requested;
    QTimer *m_cursorTimer = nullptr;
};
