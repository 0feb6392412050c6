#pragma once

#include "pdfpageid.h"

#include <QList>
#include <QObject>

class PdfDocumentModel;
class PdfDocumentView;
class QAction;
class QWidget;

// Back and forward through the places the reader jumped from: links, bookmarks, search hits,
// page numbers typed or picked. Steps of a page or a screen are not jumps. A place is a page
// (by identity, so edits that move or remove pages never lead elsewhere) and how far down it
// the window stood.
class PdfReadingHistory : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxPlaces = 100;

    PdfReadingHistory(PdfDocumentView *view, PdfDocumentModel *model, QWidget *keysOwner);

    QAction *backAction() const { return m_back; }
    QAction *forwardAction() const { return m_forward; }
    bool canGoBack() const;
    bool canGoForward() const;

public Q_SLOTS:
    // Remembers where the view stands, then shows the page.
    void jumpTo(int row);
    // Remembers where the view stands before something else moves it far.
    void record();
    void goBack();
    void goForward();
    void clear();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Place
    {
        PdfPageId page = 0;
        double depth = 0.0; // fraction of the page's height above the window's top
        bool operator==(const Place &other) const = default;
    };
    Place here() const;
    bool show(const Place &place);
    void step(QList<Place> &from, QList<Place> &to);
    static void push(QList<Place> &places, const Place &place);
    void updateActions();

    PdfDocumentView *m_view = nullptr;
    PdfDocumentModel *m_model = nullptr;
    QAction *m_back = nullptr;
    QAction *m_forward = nullptr;
    QList<Place> m_backPlaces;
    QList<Place> m_forwardPlaces;
};
