#include "AppTitle.h"
#include "CAutoTracePage.h"
#include "CLiveTrace.h"
#include "HidAccessHint.h"
#include "LiveTraceChart.h"
#include "RecordingDrawContext.h"
#include "ScriptedPrompts.h"
#include "SimulatedInstrument.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {
const QColor Red(255, 0, 0);
const QRect CreationChart(40, 10, 560, 540); // left 40, top 10, right 600, bottom 550

// The chart's arithmetic, restated from its rule: mid = bottom - H/2, step = H/20, 2 dB a division.
int ExpectedY(double dB)
{
    const int h = CreationChart.height();
    const int mid = CreationChart.top() + h - h / 2;
    return static_cast<int>(mid - (static_cast<float>(dB) / 2.0f) * (h / 20));
}

std::vector<RecordingDrawContext::Line> Curve(const std::vector<float>& series, const QString& reference)
{
    RecordingDrawContext dc;
    LiveTraceChartData data;
    data.reference = reference;
    data.series = &series;
    PaintLiveTraceChart(dc, CreationChart, data);
    return dc.LinesOfColor(Red);
}

// Collects the areas the page was asked to paint.
struct PaintedArea : QObject
{
    QRegion region;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

QPushButton* Button(CAutoTracePage& page, const QString& text)
{
    for (QPushButton* button : page.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}
} // namespace

class AutoTracePageTest : public QObject
{
    Q_OBJECT

private slots:
    void emptyChartHasAxesTextsAndTheRedHint()
    {
        RecordingDrawContext dc;
        LiveTraceChartData data;
        data.waveLength = "1550";
        PaintLiveTraceChart(dc, CreationChart, data);
        QVERIFY(dc.LinesOfColor(Red).empty());
        const auto* hint = dc.FirstText("Please switch the unit to OPM mode");
        QVERIFY(hint);
        QCOMPARE(hint->color, Red);
        QCOMPARE(hint->at, QPoint(45 + 560 + 50, 550 / 2 + 90));
        QCOMPARE(dc.FirstText("Ref.")->at, QPoint(5, ExpectedY(0) - 10));
        QCOMPARE(dc.FirstText("18.0")->at, QPoint(5, ExpectedY(18) - 10));
        QCOMPARE(dc.FirstText("-20.0")->at, QPoint(5, ExpectedY(-20) - 10));
        QCOMPARE(dc.FirstText("120")->at, QPoint(45 + 560 - 7, 555));
        QCOMPARE(dc.FirstText("WaveLength(nm):")->at, QPoint(605, 550 / 2 - 60));
        QCOMPARE(dc.FirstText("1550")->at, QPoint(735, 550 / 2 - 60));
        QCOMPARE(dc.FirstText("1550")->color, QColor(0, 0, 0));
    }

    void curveFollowsTheReferenceAndIsClamped()
    {
        QCOMPARE(ExpectedY(0), 280);
        QCOMPARE(ExpectedY(10), 145);
        const auto curve = Curve({-3.2f, 6.8f, 26.8f, -33.2f, std::nanf("")}, "-3.20");
        QCOMPARE(curve.size(), size_t(5));
        QCOMPARE(curve[0].line.p1(), QPoint(45, 280));
        QCOMPARE(curve[1].line.p2().y(), 145);
        QCOMPARE(curve[2].line.p2().y(), 16);  // +30 dB drawn at +19.5
        QCOMPARE(curve[3].line.p2().y(), 570); // -30 dB drawn at -21.5
        QCOMPARE(curve[4].line.p2().y(), 570); // a power that is no number, as the lowest

        // An empty reference counts from 0 dBm; 239 samples span the width.
        QCOMPARE(Curve(std::vector<float>(239, 10.0f), "").back().line.p2(),
                 QPoint(45 + (28 * 238) / 12, 145));
    }

    void controlsTakeTheFixedSizeAfterAResize()
    {
        ScriptedPrompts prompts;
        CAutoTracePage page(std::make_shared<SimulatedInstrument>());
        const QRect trace = Button(page, "Trace")->geometry();
        const QSize initial = page.size();
        page.show();
        page.resize(initial.width() / 2, initial.height() * 2);
        for (QWidget* control : page.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            QCOMPARE(control->size(), QSize(140, 40));
        const float sx = float(page.width()) / float(initial.width());
        QCOMPARE(Button(page, "Trace")->pos(), QPoint(int(float(trace.left()) * sx), trace.top() * 2));
    }

    void traceWithoutInstrumentAsksForCommunicationMode()
    {
        ScriptedPrompts prompts;
        auto instrument = std::make_shared<SimulatedInstrument>();
        instrument->SetInstrumentCount(0);
        CAutoTracePage page(instrument);
        page.PressTrace();
        QCOMPARE(prompts.MessageTexts(), QStringList{"Please config USB to Communication Mode"});
        QCOMPARE(prompts.Asked()[0].caption, QString(ApplicationTitle));
        QVERIFY(!page.IsTraceStarted());
    }

    void traceFailedSaysWhyUnderTheMessage()
    {
        ScriptedPrompts prompts;
        auto instrument = std::make_shared<SimulatedInstrument>();
        instrument->FailOpens(std::errc::permission_denied);
        CAutoTracePage page(instrument);
        page.PressTrace();
        QCOMPARE(prompts.MessageTexts(), QStringList{"Trace Failed"});
        QVERIFY(prompts.Asked()[0].detail.contains(QString::fromStdString(HidAccessHint())));
    }

    void picturesOfThePageLeaveTheTraceAsItIs()
    {
        ScriptedPrompts prompts;
        QTemporaryDir dir;
        auto instrument = std::make_shared<SimulatedInstrument>();
        CAutoTracePage page(instrument);
        prompts.QueueFolder(dir.path());
        page.PressSavePath();
        const CTraceAcquisition& acquisition = page.Trace().Acquisition();
        // Frozen right after the report that brings a new wavelength while
        // saving: the series still holds the old wavelength's samples, which
        // the chart shows once more.
        connect(&page, &CAutoTracePage::RepaintRequested, &page, [&] {
            if (acquisition.TraceWaveLength() == "1310")
                page.PressStop();
        });
        page.PressTrace();
        page.PressStartToSave();
        QTRY_VERIFY_WITH_TIMEOUT(acquisition.TraceSeries().size() >= 2, 5000);
        instrument->SetWavelength(1310);
        QTRY_VERIFY_WITH_TIMEOUT(!page.IsTraceStarted(), 5000);
        const std::vector<float> series = acquisition.TraceSeries();
        QVERIFY(series.size() >= 3);

        const QImage first = page.grab().toImage();
        const QImage second = page.grab().toImage();
        QCOMPARE(acquisition.TraceSeries(), series);
        QCOMPARE(second, first);
    }

    void savePathPicksAFolderAndReusesItWhenCancelled()
    {
        ScriptedPrompts prompts;
        CAutoTracePage page(std::make_shared<SimulatedInstrument>());
        QTemporaryDir dir;
        prompts.QueueFolder(dir.path());
        page.PressSavePath();
        const QString expected = QDir::toNativeSeparators(dir.path()) + QDir::separator() + "COMData.txt";
        QCOMPARE(prompts.Asked()[0].text, QString("Please select the folder of save data"));
        QCOMPARE(page.SavePathText(), expected);
        prompts.QueueCancel();
        page.PressSavePath();
        QCOMPARE(page.SavePathText(), expected);
    }

    void traceSaveAndStopDriveTheButtons()
    {
        ScriptedPrompts prompts;
        QTemporaryDir dir;
        auto instrument = std::make_shared<SimulatedInstrument>();
        CAutoTracePage page(instrument);
        QPushButton* save = Button(page, "Start to Save");
        QVERIFY(!save->isEnabled());
        prompts.QueueFolder(dir.path());
        page.PressSavePath();

        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy repaints(&page, &CAutoTracePage::RepaintRequested);
        page.PressTrace();
        QVERIFY(page.IsTraceStarted());
        QVERIFY(save->isEnabled());
        page.PressStartToSave();
        QCOMPARE(save->text(), QString("Saving..."));
        QTRY_VERIFY_WITH_TIMEOUT(repaints.count() >= 2, 5000);

        // A report that changes no text still repaints the current power
        // beside the chart and the curve clamped below it.
        PaintedArea painted;
        page.installEventFilter(&painted);
        QCoreApplication::processEvents();
        painted.region = QRegion();
        const int before = repaints.count();
        QTRY_VERIFY_WITH_TIMEOUT(repaints.count() > before && !painted.region.isEmpty(), 5000);
        const QRect chart = page.ChartRect();
        const int bottom = chart.top() + chart.height();
        QVERIFY(painted.region.contains(QPoint(chart.left() + 5 + chart.width() + 131, bottom / 2 + 21)));
        QVERIFY(painted.region.contains(QPoint(chart.left() + 5, bottom + 20)));

        page.PressStop();
        QVERIFY(!page.IsTraceStarted());
        QVERIFY(!save->isEnabled());
        QVERIFY(!save->isChecked());
        QCOMPARE(save->text(), QString("Start to Save"));
        QFile log(page.SavePathText());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().startsWith("\r\n1550nmRef.=-3.20dBm\r\n"));
        QVERIFY(prompts.MessageTexts().isEmpty());
    }

    // A log that cannot be written is told, and the button comes out, so it
    // does not say "Saving..." while nothing is saved.
    void anUnwritableLogReleasesStartToSave()
    {
        ScriptedPrompts prompts;
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("COMData.txt")); // where the log file should go
        CAutoTracePage page(std::make_shared<SimulatedInstrument>());
        QPushButton* save = Button(page, "Start to Save");
        prompts.QueueFolder(dir.path());
        page.PressSavePath();
        page.show();
        page.PressTrace();
        page.PressStartToSave();
        QCOMPARE(save->text(), QString("Saving..."));
        QTRY_COMPARE_WITH_TIMEOUT(prompts.MessageTexts().size(), 1, 5000);
        QVERIFY(prompts.MessageTexts().front().contains(page.SavePathText()));
        QVERIFY(!save->isChecked());
        QCOMPARE(save->text(), QString("Start to Save"));
        QVERIFY(save->isEnabled());
        QVERIFY(page.IsTraceStarted());
        page.PressStop();
    }
};

QTEST_MAIN(AutoTracePageTest)
#include "AutoTracePageTest.moc"
