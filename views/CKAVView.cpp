#include "views/CKAVView.h"

#include "data/CDataStore.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/ProportionalResize.h"
#include "trace/CTracePage.h"
#include "views/CKavGridPage.h"
#include "views/COpmListPage.h"
#include "views/COrlListPage.h"
#include "views/FixedTabBar.h"
#include "views/Messages.h"
#include "views/ReportOptionsDialog.h"
#include "views/Tabs.h"

#include <QPrinter>
#include <QResizeEvent>
#include <QSignalBlocker>

namespace {
// The tab control sits this far in from the window's left edge once the
// window has been sized.
constexpr int TabControlLeftOffset = 5;
} // namespace

CKAVView::CKAVView(CDataStore& store, AutoTraceFactory autoTraceFactory, QWidget* parent)
    : QWidget(parent), m_Store(store), m_AutoTraceFactory(std::move(autoTraceFactory)),
      m_TabBar(new FixedTabBar(this))
{
    m_ReportOptions = RememberedReportOptions();
    m_TabBar->setObjectName("tabControl1000");
    m_TabBar->setDrawBase(true);
    m_TabBar->setExpanding(false);
    m_TabBar->hide();
}

CKAVView::~CKAVView() = default;

QSize CKAVView::FormSize()
{
    return DefaultFontUnits.ToPixels(QSize(742, 398));
}

void CKAVView::OnInitialUpdate()
{
    if (!m_PageRects.empty())
        return;

    for (int tab = 0; tab < TabCount; ++tab)
        m_TabBar->addTab(TabText(tab));

    m_OpmPage = new COpmListPage(this);
    m_KavPage = new CKavGridPage(m_Store, this);
    m_AutoTrace = m_AutoTraceFactory(this);
    m_TracePage = new CTracePage(this);
    m_OrlPage = new COrlListPage(this);
    m_Pages[TabOpm] = m_OpmPage;
    m_Pages[TabKav] = m_KavPage;
    m_Pages[TabTrace] = m_TracePage;
    m_Pages[TabAutoTrace] = AutoTracePage();
    m_Pages[TabOrl] = m_OrlPage;

    const PixelRect view = PixelRect::From(rect());
    m_TabBar->setGeometry(view.left, view.top, view.Width(), FixedTabBar::BandHeight);
    m_TabBar->show();
    m_PageRects = {view, view};
    const PixelRect pages{view.left, view.top + FixedTabBar::BandHeight, view.right, view.bottom};
    m_PageRects.push_back(pages);
    m_PageRects.push_back(PixelRect::From(m_TracePage->ChartRect()));

    for (int tab = 0; tab < TabCount; ++tab)
        PageOfTab(tab)->setGeometry(pages.ToQRect());
    ShowOnly(m_OpmPage);
    m_OpmPage->BuildColumns();
    m_MinimumFormSize = FittingFormSize();

    connect(m_TabBar, &QTabBar::currentChanged, this, &CKAVView::OnTabChange);
}

QWidget* CKAVView::AutoTracePage() const
{
    return m_AutoTrace ? m_AutoTrace->Page() : nullptr;
}

QWidget* CKAVView::PageOfTab(int tab) const
{
    return tab >= 0 && tab < TabCount ? m_Pages[tab] : nullptr;
}

int CKAVView::SelectedTab() const
{
    return m_TabBar->currentIndex();
}

bool CKAVView::SelectTab(int tab)
{
    m_TabBar->setCurrentIndex(tab);
    return SelectedTab() == tab;
}

void CKAVView::SelectNeighbourTab(int step)
{
    SelectTab((SelectedTab() + step + TabCount) % TabCount);
}

void CKAVView::OnTabChange(int tab)
{
    if (!LeaveAutoTrace(tab))
        return;
    // The lists and the table scroll by themselves; the trace pages keep
    // the size at which they fit, and the window scrolls them.
    setMinimumSize(tab == TabTrace || tab == TabAutoTrace ? m_MinimumFormSize : QSize(0, 0));
    BringUpPage(tab);
    emit TabChanged(tab);
    emit CommandStatesChanged();
}

bool CKAVView::LeaveAutoTrace(int tab)
{
    if (tab == TabAutoTrace || !m_AutoTrace->IsTraceStarted())
        return true;
    if (ConfirmStopAutoTrace(this)) {
        m_AutoTrace->Stop();
        return true;
    }
    {
        const QSignalBlocker blocker(m_TabBar);
        m_TabBar->setCurrentIndex(TabAutoTrace);
    }
    emit TabChanged(TabAutoTrace);
    emit CommandStatesChanged();
    return false;
}

void CKAVView::BringUpPage(int tab)
{
    if (tab != TabAutoTrace)
        m_AutoTrace->StopPollTimer();
    switch (tab) {
    case TabOpm:
        m_OpmPage->ClearRows();
        ShowOnly(m_OpmPage);
        m_OpmPage->FillFromStore(m_Store);
        break;
    case TabKav:
        ShowOnly(m_KavPage);
        m_KavPage->ShowGrid();
        break;
    case TabTrace:
        ShowOnly(m_TracePage);
        update();
        break;
    case TabAutoTrace:
        ShowOnly(AutoTracePage());
        break;
    case TabOrl:
        ShowOnly(m_OrlPage);
        m_OrlPage->ClearRows();
        m_OrlPage->BuildColumns();
        m_OrlPage->FillFromStore(m_Store);
        break;
    default:
        break;
    }
}

void CKAVView::ShowOnly(QWidget* page)
{
    for (int tab = 0; tab < TabCount; ++tab) {
        QWidget* each = PageOfTab(tab);
        if (each != page)
            each->hide();
    }
    page->show();
}

void CKAVView::RefreshPage()
{
    const int tab = SelectedTab();
    if (LeaveAutoTrace(tab))
        BringUpPage(tab);
}

CKAVView::ViewLayout CKAVView::LayoutFor(const PixelRect& window) const
{
    const PixelRect& original = m_PageRects[0];
    ViewLayout layout;
    layout.tabControl = ScaleAnchored(m_PageRects[1], original, window);
    layout.tabControl.left += TabControlLeftOffset;
    // The tab strip keeps its height, so the pages keep the band above them
    // instead of growing it with the window.
    layout.pages = ScaleAnchored(m_PageRects[2], original, window);
    layout.pages.top = layout.tabControl.top + (m_PageRects[2].top - m_PageRects[1].top);
    layout.chart = ScaleAnchored(m_PageRects[3], original, window).ToQRect();
    return layout;
}

QSize CKAVView::MinimumFormSize() const
{
    return m_PageRects.empty() ? FormSize() : m_MinimumFormSize;
}

QSize CKAVView::FittingFormSize() const
{
    const QSize form = FormSize();
    const auto fits = [this](const QSize& size) {
        const ViewLayout layout = LayoutFor(PixelRect{0, 0, size.width(), size.height()});
        const QSize page(layout.pages.Width(), layout.pages.Height());
        return m_TracePage->FitsIn(page, layout.chart) && m_AutoTrace->FitsIn(page, layout.chart);
    };
    // The pages scale in proportion, so once a size is too small for them
    // every smaller one is too: narrow the form while the pages fit, then
    // lower it.
    QSize size = form;
    while (size.width() > 1 && fits(size - QSize(1, 0)))
        size.rwidth() -= 1;
    while (size.height() > 1 && fits(size - QSize(0, 1)))
        size.rheight() -= 1;
    return size;
}

void CKAVView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_PageRects.empty()) {
        update();
        return;
    }
    const ViewLayout layout = LayoutFor(PixelRect::From(rect()));
    const PixelRect& tabControl = layout.tabControl;
    m_TabBar->setGeometry(tabControl.left, tabControl.top, tabControl.Width(), FixedTabBar::BandHeight);

    const QRect pages = layout.pages.ToQRect();
    m_OpmPage->setGeometry(pages);
    m_OrlPage->setGeometry(pages);
    m_KavPage->setGeometry(pages);
    m_KavPage->ResizeGrid();
    AutoTracePage()->setGeometry(pages);
    m_TracePage->setGeometry(pages);

    m_AutoTrace->SetChartRect(layout.chart);
    m_TracePage->SetChartRect(layout.chart);

    m_OrlPage->BuildColumns();
    m_OpmPage->BuildColumns();
    RefreshPage();
    update();
}
