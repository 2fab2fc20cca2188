#include "print/PreviewDialog.h"

#include "print/FormDocument.h"
#include "print/PagePictureView.h"
#include "print/PreviewPages.h"

#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QList<int> zoomSteps = {25, 50, 75, 100, 125, 150, 200, 300, 400};
constexpr int FitWidthItem = 0;
constexpr int FitPageItem = 1;

QToolButton *toolButton(QWidget *parent, const char *name, QStyle::StandardPixmap icon,
                        const QString &tip)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

PreviewDialog::PreviewDialog(QList<QPicture> pages, const QString &registrationMark,
                             QWidget *parent)
    : QDialog(parent)
    , m_pages(std::move(pages))
{
    setObjectName(QStringLiteral("PreviewDialog"));
    const QString mark = registrationMark.trimmed();
    // The window system adds the program's name, "FAA Form 337", after the title.
    setWindowTitle(mark.isEmpty() ? tr("Print Preview") : tr("Print Preview - %1").arg(mark));

    scrollArea = new QScrollArea(this);
    scrollArea->setObjectName(QStringLiteral("scrollArea"));
    scrollArea->setBackgroundRole(QPalette::Dark);
    scrollArea->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    pageView = new PagePictureView;
    scrollArea->setWidget(pageView);
    scrollArea->setWidgetResizable(false);
    // A fitted zoom follows the room the sheet has, whatever changes it.
    scrollArea->viewport()->installEventFilter(this);

    exportButton = new QPushButton(tr("Export PDF..."), this);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    exportButton->setToolTip(tr("Save these pages as one PDF file"));
    printButton = new QPushButton(tr("Print..."), this);
    printButton->setObjectName(QStringLiteral("printButton"));
    printButton->setToolTip(tr("Print the form: asks for the number of copies"));
    closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setDefault(true);
    connect(exportButton, &QPushButton::clicked, this, &PreviewDialog::exportRequested);
    connect(printButton, &QPushButton::clicked, this, &PreviewDialog::printRequested);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exportButton);
    buttons->addWidget(printButton);
    buttons->addWidget(closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildToolBar());
    layout->addWidget(scrollArea, 1);
    layout->addLayout(buttons);

    auto shortcut = [this](const QKeySequence &keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::Key_PageDown), [this] { showPage(m_current + 1); });
    shortcut(QKeySequence(Qt::Key_PageUp), [this] { showPage(m_current - 1); });
    shortcut(QKeySequence::ZoomIn, [this] { zoomIn(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoomIn(); });
    shortcut(QKeySequence::ZoomOut, [this] { zoomOut(); });

    // A sheet at fit width, most of it in view, on screens large and small.
    QSize size(960, 1000);
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 0.9);
    resize(size);

    showPage(0);
    applyZoom();
}

QWidget *PreviewDialog::buildToolBar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("previewToolBar"));
    firstButton = toolButton(bar, "firstButton", QStyle::SP_MediaSkipBackward, tr("First page"));
    previousButton
        = toolButton(bar, "previousButton", QStyle::SP_ArrowLeft, tr("Previous page (Page Up)"));
    nextButton = toolButton(bar, "nextButton", QStyle::SP_ArrowRight, tr("Next page (Page Down)"));
    lastButton = toolButton(bar, "lastButton", QStyle::SP_MediaSkipForward, tr("Last page"));
    pageLabel = new QLabel(bar);
    pageLabel->setObjectName(QStringLiteral("pageLabel"));
    pageLabel->setMinimumWidth(
        pageLabel->fontMetrics().horizontalAdvance(tr("Page 88 of 88: Continuation sheet 88")));
    pageLabel->setAlignment(Qt::AlignCenter);

    zoomOutButton = new QToolButton(bar);
    zoomOutButton->setObjectName(QStringLiteral("zoomOutButton"));
    zoomOutButton->setText(QStringLiteral("\u2212"));
    zoomOutButton->setToolTip(tr("Zoom out (Ctrl+-)"));
    zoomInButton = new QToolButton(bar);
    zoomInButton->setObjectName(QStringLiteral("zoomInButton"));
    zoomInButton->setText(QStringLiteral("+"));
    zoomInButton->setToolTip(tr("Zoom in (Ctrl++)"));
    zoomBox = new QComboBox(bar);
    zoomBox->setObjectName(QStringLiteral("zoomBox"));
    zoomBox->addItem(tr("Fit width"));
    zoomBox->addItem(tr("Fit page"));
    for (int percent : zoomSteps)
        zoomBox->addItem(QStringLiteral("%1%").arg(percent), percent);

    connect(firstButton, &QToolButton::clicked, this, [this] { showPage(0); });
    connect(previousButton, &QToolButton::clicked, this, [this] { showPage(m_current - 1); });
    connect(nextButton, &QToolButton::clicked, this, [this] { showPage(m_current + 1); });
    connect(lastButton, &QToolButton::clicked, this, [this] { showPage(pageCount() - 1); });
    connect(zoomOutButton, &QToolButton::clicked, this, &PreviewDialog::zoomOut);
    connect(zoomInButton, &QToolButton::clicked, this, &PreviewDialog::zoomIn);
    connect(zoomBox, &QComboBox::activated, this, &PreviewDialog::zoomBoxActivated);

    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget *w : std::initializer_list<QWidget *>{firstButton, previousButton, pageLabel,
                                                       nextButton, lastButton})
        row->addWidget(w);
    row->addStretch();
    row->addWidget(zoomOutButton);
    row->addWidget(zoomBox);
    row->addWidget(zoomInButton);
    return bar;
}

void PreviewDialog::showPage(int index)
{
    if (m_pages.isEmpty() || index < 0 || index >= pageCount())
        return;
    m_current = index;
    pageView->setPage(m_pages[index]);
    scrollArea->verticalScrollBar()->setValue(0);
    updateControls();
}

double PreviewDialog::screenDpi() const
{
    return logicalDpiX();
}

double PreviewDialog::fittingPixelsPerInch() const
{
    const QSize room = scrollArea->viewport()->size()
                       - QSize(2 * PagePictureView::Margin, 2 * PagePictureView::Margin);
    // Fit width leaves room for the vertical scroll bar that the taller sheet brings.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const double byWidth
        = (room.width() - (scrollArea->verticalScrollBar()->isVisible() ? 0 : scrollBar))
          / PreviewPages::PaperWidthInches;
    if (m_mode == ZoomMode::FitWidth)
        return byWidth;
    const double byHeight = room.height() / PreviewPages::PaperHeightInches;
    return qMin(room.width() / PreviewPages::PaperWidthInches, byHeight);
}

double PreviewDialog::zoom() const
{
    return pageView->pixelsPerInch() / screenDpi();
}

void PreviewDialog::setZoom(double zoom)
{
    m_mode = ZoomMode::Fixed;
    m_zoom = qBound(zoomSteps.first() / 100.0, zoom, zoomSteps.last() / 100.0);
    applyZoom();
}

void PreviewDialog::setZoomMode(ZoomMode mode)
{
    if (mode == ZoomMode::Fixed)
        m_zoom = zoom();
    m_mode = mode;
    applyZoom();
}

void PreviewDialog::zoomIn()
{
    const int now = qRound(zoom() * 100);
    for (int step : zoomSteps) {
        if (step > now) {
            setZoom(step / 100.0);
            return;
        }
    }
}

void PreviewDialog::zoomOut()
{
    const int now = qRound(zoom() * 100);
    for (auto it = zoomSteps.rbegin(); it != zoomSteps.rend(); ++it) {
        if (*it < now) {
            setZoom(*it / 100.0);
            return;
        }
    }
}

void PreviewDialog::zoomBoxActivated(int index)
{
    if (index == FitWidthItem)
        setZoomMode(ZoomMode::FitWidth);
    else if (index == FitPageItem)
        setZoomMode(ZoomMode::FitPage);
    else
        setZoom(zoomBox->itemData(index).toInt() / 100.0);
}

void PreviewDialog::applyZoom()
{
    const double pixelsPerInch
        = m_mode == ZoomMode::Fixed ? m_zoom * screenDpi() : fittingPixelsPerInch();
    pageView->setPixelsPerInch(qMax(8.0, pixelsPerInch));
    // The sheet is centred in a view at least as wide as the scroll area.
    pageView->resize(pageView->sizeHint().expandedTo(QSize(scrollArea->viewport()->width(), 0)));
    updateControls();
}

void PreviewDialog::updateControls()
{
    pageLabel->setText(tr("Page %1 of %2: %3")
                           .arg(m_current + 1)
                           .arg(pageCount())
                           .arg(FormDocument::pageName(m_current)));
    firstButton->setEnabled(m_current > 0);
    previousButton->setEnabled(m_current > 0);
    nextButton->setEnabled(m_current + 1 < pageCount());
    lastButton->setEnabled(m_current + 1 < pageCount());
    const int percent = qRound(zoom() * 100);
    zoomOutButton->setEnabled(percent > zoomSteps.first());
    zoomInButton->setEnabled(percent < zoomSteps.last());
    if (m_mode == ZoomMode::FitWidth)
        zoomBox->setCurrentIndex(FitWidthItem);
    else if (m_mode == ZoomMode::FitPage)
        zoomBox->setCurrentIndex(FitPageItem);
    else {
        // A zoom between the steps shows as a placeholder rather than a wrong step.
        zoomBox->setPlaceholderText(QStringLiteral("%1%").arg(percent));
        zoomBox->setCurrentIndex(zoomBox->findData(percent));
    }
}

bool PreviewDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == scrollArea->viewport() && event->type() == QEvent::Resize)
        applyZoom();
    return QDialog::eventFilter(watched, event);
}
