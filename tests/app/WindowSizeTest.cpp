#include "app/CKAVApp.h"
#include "app/CMainFrame.h"
#include "platform/draw/RecordingDrawContext.h"
#include "platform/hid/SimulatedInstrument.h"
#include "trace/CAutoTracePage.h"
#include "trace/CTracePage.h"
#include "trace/PageFit.h"
#include "views/AutoTracePageControl.h"
#include "views/CKAVView.h"
#include "views/Tabs.h"

#include <QDir>
#include <QFile>
#include <QScreen>
#include <QtTest>

#include <algorithm>
#include <memory>

// The window on a screen with room to spare: it keeps to the smallest size
// at which every page keeps its controls and chart texts apart and whole.
class WindowSizeTest : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        CKAVApp app{MakeAutoTracePageFactory(std::make_shared<SimulatedInstrument>())};
        Fixture()
        {
            app.InitInstance({qEnvironmentVariable("KAV_SOURCE_DIR") + "/samples/trace-1550nm.bin"});
        }
        CMainFrame& Frame() { return *app.MainFrame(); }
        CKAVView& View() { return *Frame().View(); }
    };

    // The crowding of every tab's page once the window is `size`: a visible
    // control closer than PageSpacing to anything else, two texts of its
    // chart on each other, or anything cut by the page's edge.
    static QStringList CrowdingAt(Fixture& f, const QSize& size)
    {
        f.Frame().resize(size);
        QStringList found;
        for (int tab = 0; tab < TabCount; ++tab) {
            f.View().SelectTab(tab);
            QCoreApplication::processEvents();
            QWidget* page = f.View().PageOfTab(tab);
            std::vector<QRect> all;
            for (QWidget* control : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                if (control->isVisible())
                    all.push_back(control->geometry());
            const size_t controls = all.size();
            RecordingDrawContext drawn;
            if (auto* autoTrace = qobject_cast<CAutoTracePage*>(page))
                autoTrace->PaintChart(drawn);
            else if (auto* trace = qobject_cast<CTracePage*>(page))
                trace->PaintChart(drawn);
            for (const RecordingDrawContext::Text& text : drawn.Texts())
                if (!text.text.isEmpty())
                    all.push_back(QRect(text.at, page->fontMetrics().size(Qt::TextSingleLine, text.text)));
            const auto text = [&tab](const QRect& r) {
                return QString("%1: (%2,%3 %4x%5)")
                    .arg(TabLabels[tab])
                    .arg(r.x())
                    .arg(r.y())
                    .arg(r.width())
                    .arg(r.height());
            };
            for (size_t i = 0; i < all.size(); ++i) {
                if (!page->rect().contains(all[i]))
                    found << text(all[i]) + " is cut";
                for (size_t j = i + 1; j < all.size(); ++j) {
                    const QRect& a = all[i];
                    const QRect& b = all[j];
                    // The wider of the gaps across and down (negative where they overlap).
                    const int gap = std::max({b.x() - (a.x() + a.width()), a.x() - (b.x() + b.width()),
                                              b.y() - (a.y() + a.height()), a.y() - (b.y() + b.height())});
                    if (gap < (i < controls ? PageSpacing : 0))
                        found << text(a) + " crowds " + text(b);
                }
            }
        }
        return found;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().width() >
                2 * CKAVView::FormSize().width());
    }

    // No page is crowded at the design size or at the minimum, and the
    // minimum is the pages' own: a pixel less either way crowds a page.
    void theMinimumIsTheSmallestSizeWithoutCrowding()
    {
        Fixture f;
        const QSize minimum = f.Frame().minimumSize();
        QCOMPARE(minimum, f.Frame().LayoutMinimum());
        QVERIFY(minimum.width() < f.Frame().DesignSize().width());
        QVERIFY(minimum.height() < f.Frame().DesignSize().height());
        QCOMPARE(CrowdingAt(f, f.Frame().DesignSize()), QStringList());
        QCOMPARE(CrowdingAt(f, minimum), QStringList());
        QCOMPARE(f.Frame().size(), minimum);
        // Asked for less, the window stays at its minimum.
        f.Frame().resize(minimum / 2);
        QCOMPARE(f.Frame().size(), minimum);

        f.Frame().setMinimumSize(0, 0);
        QVERIFY(!CrowdingAt(f, minimum - QSize(1, 0)).isEmpty());
        QVERIFY(!CrowdingAt(f, minimum - QSize(0, 1)).isEmpty());
    }
};

// A screen larger than any the window needs, so that the minimum is the
// layout's own and not the screen's.
int main(int argc, char* argv[])
{
    QTemporaryDir dir;
    const QString screens = dir.filePath("screen.json");
    QFile file(screens);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({ "screens": [ { "name": "large", "x": 0, "y": 0, "width": 2560, "height": 1600,
                        "logicalDpi": 96 } ] })") <= 0)
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toLocal8Bit());
    QApplication application(argc, argv);
    WindowSizeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowSizeTest.moc"
