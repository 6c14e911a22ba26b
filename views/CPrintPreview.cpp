#include "views/CPrintPreview.h"

#include "platform/draw/QPainterDrawContext.h"
#include "report/PrintInfo.h"
#include "report/ReportPageLoop.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {
constexpr double ZoomStep = 1.25;
constexpr double LeastZoom = 0.1;
constexpr double MostZoom = 8.0;
constexpr int PaperMargin = 12; // grey around the paper, in screen pixels
} // namespace

CPrintPreview::CPrintPreview(const CDataStore& store, ReportKind kind, const ReportOptions& options,
                             const QPageLayout& paper, std::function<void(QWidget*)> print, QWidget* parent)
    : QWidget(parent, Qt::Window), m_Job(store, kind, options), m_Paper(paper), m_Print(std::move(print)),
      m_PageCount(m_Job.PageCount())
{
    setWindowTitle(tr("%1 - Print View").arg(QCoreApplication::translate("Report", ReportTitle(kind))));
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);

    m_PageView = new QLabel;
    m_PageView->setAlignment(Qt::AlignCenter);
    m_Scroll = new QScrollArea;
    m_Scroll->setWidget(m_PageView);
    m_Scroll->setWidgetResizable(true);
    m_Scroll->setAlignment(Qt::AlignCenter);
    m_Scroll->setBackgroundRole(QPalette::Dark);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    CreateToolBar();
    layout->addWidget(m_Scroll);

    if (const QScreen* screen = this->screen())
        resize(screen->availableGeometry().size() * 3 / 4);
    Render();
}

void CPrintPreview::CreateToolBar()
{
    auto* bar = new QToolBar(this);
    layout()->addWidget(bar);
    const auto add = [&](const char* text, const QKeySequence& keys, auto slot) {
        QAction* action = bar->addAction(tr(text), this, slot);
        action->setShortcut(keys);
        action->setObjectName(QLatin1String(text));
        return action;
    };
    add(QT_TR_NOOP("Print..."), QKeySequence::Print, &CPrintPreview::Print);
    bar->addSeparator();
    add(QT_TR_NOOP("First"), QKeySequence(Qt::Key_Home), &CPrintPreview::FirstPage);
    add(QT_TR_NOOP("Previous"), QKeySequence(Qt::Key_PageUp), &CPrintPreview::PreviousPage);
    m_PageBox = new QSpinBox(bar);
    m_PageBox->setRange(1, static_cast<int>(std::max(m_PageCount, 1u)));
    m_PageBox->setSuffix(tr(" of %1").arg(m_PageCount));
    m_PageBox->setKeyboardTracking(false);
    connect(m_PageBox, &QSpinBox::valueChanged, this,
            [this](int page) { ShowPage(static_cast<unsigned>(page)); });
    bar->addWidget(m_PageBox);
    add(QT_TR_NOOP("Next"), QKeySequence(Qt::Key_PageDown), &CPrintPreview::NextPage);
    add(QT_TR_NOOP("Last"), QKeySequence(Qt::Key_End), &CPrintPreview::LastPage);
    bar->addSeparator();
    add(QT_TR_NOOP("Zoom In"), QKeySequence::ZoomIn, &CPrintPreview::ZoomIn);
    add(QT_TR_NOOP("Zoom Out"), QKeySequence::ZoomOut, &CPrintPreview::ZoomOut);
    add(QT_TR_NOOP("Fit Width"), QKeySequence(), &CPrintPreview::FitWidth);
    add(QT_TR_NOOP("Fit Page"), QKeySequence(), &CPrintPreview::FitPage);
    bar->addSeparator();
    add(QT_TR_NOOP("Close"), QKeySequence(Qt::Key_Escape), &QWidget::close);
}

void CPrintPreview::ShowPage(unsigned page)
{
    page = std::clamp(page, 1u, std::max(m_PageCount, 1u));
    if (page == m_Page)
        return;
    m_Page = page;
    m_PageBox->setValue(static_cast<int>(page));
    Render();
    m_Scroll->verticalScrollBar()->setValue(0);
}

void CPrintPreview::SetZoom(double zoom)
{
    m_Fit = Fit::None;
    m_Zoom = std::clamp(zoom, LeastZoom, MostZoom);
    Render();
}

void CPrintPreview::ZoomIn()
{
    SetZoom(m_Zoom * ZoomStep);
}

void CPrintPreview::ZoomOut()
{
    SetZoom(m_Zoom / ZoomStep);
}

void CPrintPreview::FitWidth()
{
    m_Fit = Fit::Width;
    Render();
}

void CPrintPreview::FitPage()
{
    m_Fit = Fit::Page;
    Render();
}

void CPrintPreview::Print()
{
    if (!m_Print)
        return;
    m_Print(this);
    m_PaintedSincePrint = false;
}

void CPrintPreview::closeEvent(QCloseEvent* event)
{
    if (m_PaintedSincePrint)
        emit Closing(m_Page);
    QWidget::closeEvent(event);
}

void CPrintPreview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_Fit != Fit::None)
        Render();
}

QSizeF CPrintPreview::PaperInches() const
{
    return m_Paper.fullRect(QPageLayout::Inch).size();
}

double CPrintPreview::FitZoom(Fit fit) const
{
    const QSize room = m_Scroll->viewport()->size() - QSize(2 * PaperMargin, 2 * PaperMargin);
    const QSizeF paper = PaperInches() * logicalDpiX();
    const double across = room.width() / paper.width();
    const double down = room.height() / paper.height();
    return std::clamp(fit == Fit::Width ? across : std::min(across, down), LeastZoom, MostZoom);
}

void CPrintPreview::Render()
{
    if (m_Fit != Fit::None)
        m_Zoom = FitZoom(m_Fit);
    const double ratio = devicePixelRatioF();
    const int dpi = std::max(1, static_cast<int>(std::lround(logicalDpiX() * m_Zoom * ratio)));
    const QRect paper = m_Paper.fullRectPixels(dpi);
    const QRect printable = m_Paper.paintRectPixels(dpi);

    m_Image = QImage(paper.size(), QImage::Format_RGB32);
    m_Image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    m_Image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    m_Image.fill(Qt::white);
    if (m_PageCount > 0) {
        QPainter painter(&m_Image);
        PrintInfo info;
        {
            QPainterDrawContext dc(painter, printable);
            m_Job.OnBeginPrinting(dc, info);
        }
        PaintReportPage(painter, printable, m_Job, info, m_Page, &m_Shapes);
        m_PaintedSincePrint = true;
    }
    m_Image.setDevicePixelRatio(ratio);
    m_PageView->setPixmap(QPixmap::fromImage(m_Image));
}
