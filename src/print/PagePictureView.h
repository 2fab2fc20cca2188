#pragma once

#include <QImage>
#include <QPicture>
#include <QWidget>

// One page of the form as a sheet of paper on a grey desk, painted from its picture at
// the resolution asked for (pixels per inch of paper), so it stays sharp at every zoom.
class PagePictureView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Margin = 16;  // desk around the sheet, in pixels

    explicit PagePictureView(QWidget *parent = nullptr);

    void setPage(const QPicture &page);
    void setPixelsPerInch(double pixelsPerInch);
    double pixelsPerInch() const { return m_pixelsPerInch; }

    // The sheet's size on screen at a resolution, without the desk around it.
    static QSize paperSize(double pixelsPerInch);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QImage &sheet();

    QPicture m_page;
    double m_pixelsPerInch = 96;
    QImage m_sheet;  // the page drawn at the current size; redrawn when page or size change
};
