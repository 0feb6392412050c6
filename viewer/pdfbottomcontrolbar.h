#pragma once

#include <QStringList>
#include <QWidget>

enum class PdfFitMode : int;
class QAction;
class QComboBox;
class QIntValidator;
class QLabel;
class QLineEdit;
class QPushButton;

// The small dark bar floating over the bottom of the document view: page stepping and entry,
// the zoom box (presets, fits, or a typed percentage) and the fit toggle. It keeps no document
// state beyond what the viewer pushes in.
class PdfBottomControlBar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int CustomItemRole = Qt::UserRole + 1;
    // The zoom box's list: item data of its entries that are not percentages.
    static constexpr int FitWidthItem = -1;
    static constexpr int FitPageItem = -2;
    static constexpr int ActualSizeItem = -3;
    static constexpr int LeastPercent = 10;
    static constexpr int MostPercent = 1600;

    explicit PdfBottomControlBar(QWidget *parent = nullptr);
    ~PdfBottomControlBar() override;

    void setPageCount(int count);
    void setCurrentPage(int row);
    void showZoomFactor(double factor);
    // The fit in force: the toggle shows it (and says it) and goes to the other fit.
    void setFitMode(PdfFitMode mode);
    void setFitWidth(bool fitWidth);
    // Two small buttons ahead of the page stepping, for going back and forward in the history.
    void setHistoryActions(QAction *back, QAction *forward);
    // Puts the cursor in the page box with its number selected, so typing replaces it.
    void focusPageNumber();
    // One label a row ("iii"), shown in the page box with the number beside it; typing a label
    // goes to its page. An empty list shows numbers only.
    void setPageLabels(const QStringList &labels);
    QStringList pageLabels() const { return m_labels; }

    int pageCount() const { return m_pageCount; }
    int currentPage() const { return m_currentPage; }
    bool isFitWidth() const;
    PdfFitMode fitMode() const { return m_fitMode; }

Q_SIGNALS:
    void previousPageRequested();
    void nextPageRequested();
    void pageRequested(int page);
    void zoomRequested(double factor);
    void fitWidthRequested();
    void fitPageRequested();
    void actualSizeRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPushButton *makeButton(const QString &toolTip, const QString &objectName);
    void updateButtonStates();
    void showCurrentPage();
    void commitPage();
    void chooseZoom(int index);
    // A percentage typed into the zoom box.
    void commitZoomText();
    void toggleFit();
    void updatePageBoxSizes();
    // The row a typed label or number names, -1 for none.
    int rowForText(const QString &text) const;

    QPushButton *m_previousButton = nullptr;
    QPushButton *m_nextButton = nullptr;
    QLineEdit *m_pageEdit = nullptr;
    QLabel *m_pageCountLabel = nullptr;
    QComboBox *m_zoomCombo = nullptr;
    QIntValidator *m_pageValidator = nullptr;
    QPushButton *m_fitToggle = nullptr;
    int m_pageCount = 0;
    int m_currentPage = -1;
    PdfFitMode m_fitMode{};
    double m_zoomFactor = 1.0;
    QStringList m_labels;
};
