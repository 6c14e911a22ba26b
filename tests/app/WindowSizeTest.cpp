#include "app/CKAVApp.h"
#include "app/CMainFrame.h"
#include "app/WindowLanguage.h"
#include "platform/draw/RecordingDrawContext.h"
#include "platform/hid/SimulatedInstrument.h"
#include "trace/CAutoTracePage.h"
#include "trace/CTracePage.h"
#include "trace/PageFit.h"
#include "views/AutoTracePageControl.h"
#include "views/CKAVView.h"
#include "views/DialogRunner.h"
#include "views/Tabs.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>

#include <algorithm>
#include <memory>

namespace {
// KAV_TEST_SCREEN ("1280x650"), or a screen larger than any the window needs.
QSize ScreenOfTest()
{
    const QStringList size = qEnvironmentVariable("KAV_TEST_SCREEN").split('x');
    return size.size() == 2 ? QSize(size[0].toInt(), size[1].toInt()) : QSize(2560, 1600);
}

struct Fixture
{
    CKAVApp app{MakeAutoTracePageFactory(std::make_shared<SimulatedInstrument>())};
    Fixture() { app.InitInstance({qEnvironmentVariable("KAV_SOURCE_DIR") + "/samples/trace-1550nm.bin"}); }
    CMainFrame& Frame() { return *app.MainFrame(); }
    CKAVView& View() { return *Frame().View(); }
};

// The crowding of every tab's page once the window is `size`: a visible
// control closer than PageSpacing to anything else, two texts of its
// chart on each other, or anything cut by the page's edge.
QStringList CrowdingAt(Fixture& f, const QSize& size)
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
                all.emplace_back(text.at, page->fontMetrics().size(Qt::TextSingleLine, text.text));
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

} // namespace

// The window on a screen with room to spare: it keeps to the smallest size
// at which every page keeps its controls and chart texts apart and whole.
class WindowSizeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().width() >
                2 * CKAVView::FormSize().width());
    }

    // The menus speak the language the test runs in (KAV_TEST_LANGUAGE):
    // the translations were found and installed, not the English fallback.
    void theMenusSpeakTheWindowsLanguage()
    {
        Fixture f;
        QStringList titles;
        for (const QAction* menu : f.Frame().menuBar()->actions())
            titles << menu->text();
        const bool chinese = qEnvironmentVariable("KAV_TEST_LANGUAGE") == "zh_CN";
        const QStringList expected = chinese ? QStringList{"\u6587\u4EF6(&F)", "\u7F16\u8F91(&E)",
                                                           "\u89C6\u56FE(&V)", "\u5E2E\u52A9(&H)"}
                                             : QStringList{"File(&F)", "Edit(&E)", "View(&V)", "Help(&H)"};
        QCOMPARE(titles, expected);
    }

    // Every toolbar button, and every button, box and field of the trace
    // pages and the dialogs, says what it does in a tool tip; the buttons'
    // tips name their keys.
    void everyControlSaysWhatItDoes()
    {
        Fixture f;
        for (QAction* action : f.Frame().ToolBar()->actions())
            if (!action->isSeparator())
                QVERIFY2(action->toolTip().endsWith(
                             "(" + action->shortcut().toString(QKeySequence::NativeText) + ")"),
                         qPrintable(action->toolTip()));
        QStringList silent;
        const auto check = [&silent](QWidget& holder, const QString& where) {
            for (QWidget* control : holder.findChildren<QWidget*>()) {
                const bool kind = qobject_cast<QAbstractButton*>(control) ||
                                  qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control) ||
                                  qobject_cast<QAbstractSpinBox*>(control);
                // A box's own parts, a table's cells (the table has the tip) and
                // the OK and Cancel every dialog has say nothing of their own.
                QWidget* parent = control->parentWidget();
                const bool part = qobject_cast<QAbstractSpinBox*>(parent) ||
                                  qobject_cast<QComboBox*>(parent) ||
                                  qobject_cast<QAbstractItemView*>(parent) ||
                                  (parent && qobject_cast<QAbstractItemView*>(parent->parentWidget()));
                const auto* box = qobject_cast<QDialogButtonBox*>(parent);
                const bool standard = box && box->standardButton(qobject_cast<QAbstractButton*>(control)) !=
                                                 QDialogButtonBox::NoButton;
                if (kind && !part && !standard && control->isVisibleTo(&holder) &&
                    control->toolTip().isEmpty())
                    silent << where + ": " + control->metaObject()->className() + " " + control->objectName();
            }
        };
        for (int tab : {TabTrace, TabAutoTrace})
            check(*f.View().PageOfTab(tab), TabLabels[tab]);
        QVERIFY(f.View().OpenRecognizedFile(qEnvironmentVariable("KAV_SOURCE_DIR") +
                                            "/samples/kav-three-wavelengths.bin"));
        int dialogs = 0;
        SetDialogRunner([&](QDialog& dialog) {
            ++dialogs;
            check(dialog, dialog.windowTitle());
            return int(QDialog::Rejected);
        });
        for (CommandId id : {CommandId::EditJobInfo, CommandId::EditCableInfo, CommandId::EditSystemInfo,
                             CommandId::EditTestLimits, CommandId::FileReportOptions})
            f.Frame().OnCommand(id);
        SetDialogRunner(nullptr);
        QCOMPARE(dialogs, 5);
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join("; ")));
    }

    // No page is crowded at the design size or at the minimum, and the
    // minimum is the pages' own.
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

        // A pixel less either way (a smaller screen) and the trace pages keep
        // the size at which they fit: the window scrolls them.
        f.Frame().setMinimumSize(0, 0);
        QCOMPARE(CrowdingAt(f, minimum - QSize(1, 1)), QStringList());
        const auto* scroller = f.Frame().findChild<QScrollArea*>("viewScroller");
        QVERIFY(f.View().SelectTab(TabTrace));
        QCoreApplication::processEvents();
        QCOMPARE(f.View().size(), f.View().MinimumFormSize());
        QVERIFY(scroller->horizontalScrollBar()->maximum() > 0 &&
                scroller->verticalScrollBar()->maximum() > 0);
    }
};

// The window on a small screen, or a large one at 150 % or 200 % scaling.
class SmallScreenTest : public QObject
{
    Q_OBJECT

private slots:
    // A screen of the size that KAV_TEST_SCREEN names in logical pixels, at
    // the scaling QT_SCALE_FACTOR sets (1920 x 1080 at 150 % and 200 % less a
    // task bar, a 1024 x 600 screen less one): with the window as large as
    // the screen allows, no page is crowded; what does not fit scrolls, and
    // every page can be scrolled whole into sight.
    void everyPageIsWholeOnASmallScreen()
    {
        Fixture f;
        for (const char* sample : {"opm-readings.bin", "kav-three-wavelengths.bin", "orl-readings.bin"})
            QVERIFY(
                f.View().OpenRecognizedFile(qEnvironmentVariable("KAV_SOURCE_DIR") + "/samples/" + sample));
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        QCOMPARE(screen, ScreenOfTest());
        f.Frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.Frame()));
        QVERIFY(f.Frame().minimumSize().width() <= screen.width() &&
                f.Frame().minimumSize().height() <= screen.height());
        f.Frame().resize(screen);
        QCOMPARE(CrowdingAt(f, screen), QStringList());
        auto* scroller = f.Frame().findChild<QScrollArea*>("viewScroller");
        QVERIFY(scroller);
        for (int tab = 0; tab < TabCount; ++tab) {
            QVERIFY(f.View().SelectTab(tab));
            QCoreApplication::processEvents();
            const QSize shown = scroller->viewport()->size();
            const bool tracePage = tab == TabTrace || tab == TabAutoTrace;
            // A trace page keeps the size at which it fits and scrolls; the
            // lists and the table fill the window and scroll themselves.
            QCOMPARE(f.View().size(), tracePage ? shown.expandedTo(f.View().MinimumFormSize()) : shown);
            QCOMPARE(scroller->horizontalScrollBar()->maximum(), f.View().width() - shown.width());
            QCOMPARE(scroller->verticalScrollBar()->maximum(), f.View().height() - shown.height());
        }
    }
};

// A screen larger than any the window needs, so that the minimum is the
// layout's own and not the screen's; or the small screen of KAV_TEST_SCREEN,
// its pixels scaled by QT_SCALE_FACTOR.
int main(int argc, char* argv[])
{
    QTemporaryDir dir;
    const QString screens = dir.filePath("screen.json");
    QFile file(screens);
    const double scale = qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")
                             ? 1.0
                             : qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    const QSize logical = ScreenOfTest();
    const QString screen = QString(R"({ "screens": [ { "name": "screen", "x": 0, "y": 0, "width": %1,
                        "height": %2, "logicalDpi": 96 } ] })")
                               .arg(qRound(logical.width() * scale))
                               .arg(qRound(logical.height() * scale));
    if (!file.open(QIODevice::WriteOnly) || file.write(screen.toUtf8()) <= 0)
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toLocal8Bit());
    QApplication application(argc, argv);
    // The window in another language (KAV_TEST_LANGUAGE) keeps the same rules.
    if (!qEnvironmentVariableIsEmpty("KAV_TEST_LANGUAGE") &&
        !WindowLanguage::Install(qEnvironmentVariable("KAV_TEST_LANGUAGE"), KAV_TRANSLATIONS_DIR))
        return 1;
    if (qEnvironmentVariableIsEmpty("KAV_TEST_SCREEN")) {
        WindowSizeTest test;
        return QTest::qExec(&test, argc, argv);
    }
    SmallScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowSizeTest.moc"
