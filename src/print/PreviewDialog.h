#pragma once

#include <QDialog>
#include <QList>
#include <QPicture>

class PagePictureView;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;

// The print preview: the pages of the form one at a time, with page navigation, zoom,
// and buttons to print (the usual print request) or export the pages as a PDF file.
// It only shows pages it is given; it neither prints nor stores anything itself.
class PreviewDialog : public QDialog
{
    Q_OBJECT

public:
    enum class ZoomMode { FitWidth, FitPage, Fixed };

    PreviewDialog(QList<QPicture> pages, const QString &registrationMark,
                  QWidget *parent = nullptr);

    int pageCount() const { return int(m_pages.size()); }
    int currentPage() const { return m_current; }
    void showPage(int index);

    // Zoom as a share of the paper's real size on this screen (1.0 = 100%).
    double zoom() const;
    ZoomMode zoomMode() const { return m_mode; }
    void setZoom(double zoom);
    void setZoomMode(ZoomMode mode);
    void zoomIn();
    void zoomOut();

    QToolButton *firstButton;
    QToolButton *previousButton;
    QToolButton *nextButton;
    QToolButton *lastButton;
    QLabel *pageLabel;
    QToolButton *zoomOutButton;
    QComboBox *zoomBox;
    QToolButton *zoomInButton;
    QPushButton *exportButton;
    QPushButton *printButton;
    QPushButton *closeButton;
    QScrollArea *scrollArea;
    PagePictureView *pageView;

signals:
    void printRequested();
    void exportRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildToolBar();
    void zoomBoxActivated(int index);
    void applyZoom();
    double fittingPixelsPerInch() const;
    double screenDpi() const;
    void updateControls();

    QList<QPicture> m_pages;
    int m_current = 0;
    ZoomMode m_mode = ZoomMode::FitWidth;
    double m_zoom = 1.0;  // used in Fixed mode
};
