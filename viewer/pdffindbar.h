#pragma once

#include <QFrame>
#include <QPointer>
#include <QStringList>

class PdfDocumentModel;
class PdfDocumentView;
class PdfFindResultsModel;
class PdfTextSearch;
class QLabel;
class QListView;
class QModelIndex;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QShortcut;
class QTimer;

// The find bar floating over the top right of the document view: a text field, the hit count,
// previous and next, and a thin progress line while the search runs. It owns the search and
// puts its keys (Ctrl+F, F3, Shift+F3, Escape) on the given host, the viewer.
class PdfFindBar : public QFrame
{
    Q_OBJECT

public:
    static constexpr int TypingDelayMs = 250;

    PdfFindBar(PdfDocumentView *view, PdfDocumentModel *model, QWidget *shortcutHost);
    ~PdfFindBar() override;

    PdfTextSearch *search() const { return m_search; }
    QLineEdit *lineEdit() const { return m_edit; }
    QString statusText() const;
    // Every hit, one a row with its page and line; clicking one goes to it.
    PdfFindResultsModel *results() const { return m_results; }
    QListView *resultsList() const { return m_resultsList; }
    // One label a row ("iii"); the list names pages by them, with the number where they differ.
    void setPageLabels(const QStringList &labels);
    // How the list names the page of a row.
    QString pageName(int row) const;
    // The width of the list's page column: the widest page name of the document fits.
    int pageColumnWidth() const;

public Q_SLOTS:
    // Shows the bar with its text selected and starts the search for that text again.
    void openBar();
    void closeBar();
    void findNext();
    void findPrevious();

Q_SIGNALS:
    // The bar is about to show: the host brings the document view forward.
    void opening();
    // A hit elsewhere is about to be scrolled to.
    void hitAboutToShow();
    // Nothing was found on pages without text, and the user asked to recognise their text.
    void recognizeTextRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startSearch();
    void step(int direction);
    void reveal(int row);
    void updateStatus();
    void place();
    void optionsToggled();
    void showResults(bool shown);
    void showResult(const QModelIndex &index);
    void followCurrentHit();

    QPointer<PdfDocumentView> m_view;
    QPointer<PdfDocumentModel> m_model;
    QStringList m_labels;
    mutable int m_pageColumnWidth = -1;
    mutable int m_pageColumnCount = -1;
    mutable int m_pageColumnList = -1;
    PdfTextSearch *m_search = nullptr;
    QLineEdit *m_edit = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_close = nullptr;
    QPushButton *m_recognise = nullptr;
    QPushButton *m_matchCase = nullptr;
    QPushButton *m_wholeWords = nullptr;
    QPushButton *m_resultsButton = nullptr;
    PdfFindResultsModel *m_results = nullptr;
    QListView *m_resultsList = nullptr;
    QProgressBar *m_progress = nullptr;
    QTimer *m_typingTimer = nullptr;
    QShortcut *m_escape = nullptr;
};
