#include "data/CDataStore.h"
#include "data/FileLoading.h"
#include "link/CLiveTrace.h"
#include "platform/AppTitle.h"
#include "platform/draw/RecordingDrawContext.h"
#include "platform/hid/HidAccessHint.h"
#include "platform/hid/SimulatedInstrument.h"
#include "platform/ui/ScriptedPrompts.h"
#include "trace/CAutoTracePage.h"
#include "trace/ElidedPathBox.h"
#include "trace/LiveBenchPanel.h"
#include "trace/LiveTraceChart.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {
const QColor Red(255, 0, 0);

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
    // The chart at the page's creation rectangle (40, 10) to (600, 550): the
    // origin at (45, 550), the zero line half the height up at 280, 2 dB a
    // division of 27 pixels, 12 samples a twentieth of the width.
    void chartTextsAndTheClampedCurve()
    {
        const QRect chart(40, 10, 560, 540);
        RecordingDrawContext empty;
        LiveTraceChartData data;
        data.waveLength = "1550";
        PaintLiveTraceChart(empty, chart, data);
        QVERIFY(empty.LinesOfColor(Red).empty());
        // The hint only while the unit answers without a power reading.
        QVERIFY(!empty.FirstText("Please switch the unit to OPM mode"));
        data.wrongMode = true;
        RecordingDrawContext wrongMode;
        PaintLiveTraceChart(wrongMode, chart, data);
        const auto* hint = wrongMode.FirstText("Please switch the unit to OPM mode");
        QVERIFY(hint);
        QCOMPARE(hint->color, Red);
        QCOMPARE(hint->at, QPoint(45 + 560 + 50, 550 / 2 + 90));
        QCOMPARE(empty.FirstText("18.0")->at, QPoint(5, 280 - 9 * 27 - 10));
        QCOMPARE(empty.FirstText("120")->at, QPoint(45 + 560 - 7, 555));
        QCOMPARE(empty.FirstText("1550")->at, QPoint(735, 550 / 2 - 60));
        QCOMPARE(wrongMode.FirstText("120")->color, QColor(0, 0, 0)); // drawn after the red hint

        // Against the reference, held between +19.5 and -21.5 dB. Readings
        // below the range (or no number) and above it are marks on the
        // bottom and top edges that break the curve: three lines each.
        const std::vector<float> series = {-3.2f, 6.8f, 26.8f, -33.2f, std::nanf(""), -85.0f, 30.0f, -3.2f};
        data.wrongMode = false;
        data.reference = "-3.20";
        data.series = &series;
        RecordingDrawContext dc;
        PaintLiveTraceChart(dc, chart, data);
        const auto curve = dc.LinesOfColor(Red);
        QCOMPARE(curve.size(), size_t(4 + 3 * 3 + 1));
        QCOMPARE(curve[0].line.p1(), QPoint(45, 280));
        QCOMPARE(curve[1].line.p2().y(), 280 - 5 * 27);
        QCOMPARE(curve[2].line.p2().y(), int(280 - 19.5 / 2 * 27));
        QCOMPARE(curve[3].line.p2().y(), int(280 + 21.5 / 2 * 27));
        const int x4 = 45 + 4 * 28 / 12, x6 = 45 + 6 * 28 / 12;
        QCOMPARE(curve[4].line, QLine(x4, 550, x4, 542)); // below: rising from the bottom
        QCOMPARE(curve[10].line, QLine(x6, 10, x6, 18));  // above: hanging from the top
        QCOMPARE(curve.back().line, QLine(45 + 7 * 28 / 12, 280, 45 + 7 * 28 / 12, 280)); // a new line

        // An empty reference counts from 0 dBm; sample k lies k / 240 of the width along.
        const std::vector<float> full(239, 10.0f);
        data.reference.clear();
        data.series = &full;
        RecordingDrawContext fullDc;
        PaintLiveTraceChart(fullDc, chart, data);
        QCOMPARE(fullDc.LinesOfColor(Red).back().line.p2(), QPoint(45 + 560 * 238 / 240, 280 - 5 * 27));
    }

    // The controls take their fixed size after a resize; Trace, when the
    // instrument cannot be opened, says so under the program's title, and why.
    void controlsKeepTheirSizeAndTraceFailedSaysWhy()
    {
        ScriptedPrompts prompts;
        auto instrument = std::make_shared<SimulatedInstrument>();
        CAutoTracePage page(instrument);
        const QRect trace = Button(page, "Trace")->geometry();
        const QSize initial = page.size();
        page.show();
        page.resize(initial.width() / 2, initial.height() * 2);
        // The buttons and the path box; the status line and the bench after
        // them take the room that is left.
        const QList<QWidget*> controls = page.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* control : controls.mid(0, 5))
            QCOMPARE(control->size(), QSize(140, 40));
        QCOMPARE(Button(page, "Trace")->y(), trace.top() * 2);

        instrument->FailOpens(std::errc::permission_denied);
        page.PressTrace();
        QCOMPARE(prompts.MessageTexts(), QStringList{"Trace Failed"});
        QCOMPARE(prompts.Asked()[0].caption, QString(ApplicationTitle));
        QVERIFY(prompts.Asked()[0].detail.contains(QString::fromStdString(HidAccessHint())));
    }

    // The status line says what the trace does and why; the hint to switch
    // to OPM mode shows while the unit answers without a power reading.
    void statusLineAndModeHintFollowTheInstrument()
    {
        ScriptedPrompts prompts;
        auto instrument = std::make_shared<SimulatedInstrument>();
        instrument->Unplug();
        CAutoTracePage page(instrument);
        QVERIFY2(page.StatusText().startsWith("No instrument found: none is connected"),
                 qPrintable(page.StatusText()));
        page.PressTrace();
        QCOMPARE(prompts.MessageTexts(), QStringList{"Please config USB to Communication Mode"});
        QVERIFY(prompts.Asked()[0].detail.contains("No instrument was found"));

        const auto hinted = [&page] {
            RecordingDrawContext dc;
            page.PaintChart(dc);
            return dc.FirstText("Please switch the unit to OPM mode") != nullptr;
        };
        instrument->Replug();
        instrument->SetRawReport(std::vector<uint8_t>(65, 0));
        page.PressTrace();
        QVERIFY(page.StatusText().startsWith("Waiting for the instrument: asked for a reading"));
        QTRY_VERIFY_WITH_TIMEOUT(page.StatusText().contains("Switch the unit to OPM mode"), 5000);
        QVERIFY(hinted());
        instrument->SetRawReport({});
        QTRY_VERIFY_WITH_TIMEOUT(page.StatusText().startsWith("Running: a reading every 0.5 s; not saving"),
                                 5000);
        QVERIFY(!hinted());
    }

    // "Save as .trace..." writes the readings of the wavelength read as a
    // document the TRACE page opens: the reference in force, then each power.
    void theReadingsSaveAsATraceDocument()
    {
        ScriptedPrompts prompts;
        QTemporaryDir dir;
        auto instrument = std::make_shared<SimulatedInstrument>();
        instrument->SetPower(-15.0f);
        instrument->SetDrift(0.25f);
        CAutoTracePage page(instrument);
        page.PressTrace();
        QTRY_VERIFY_WITH_TIMEOUT(page.Trace().History().size() >= 3, 5000);
        page.PressStop();
        const std::vector<TimedReading> readings = page.Trace().History();
        const QString path = dir.filePath("bench.trace");
        prompts.QueueFile(path);
        QPushButton* save = nullptr;
        for (QPushButton* button : page.Bench().findChildren<QPushButton*>())
            if (button->text() == "Save as .trace...")
                save = button;
        QVERIFY(save && save->isEnabled());
        save->click();
        CDataStore store;
        const LoadOutcome loaded = LoadFile(path.toStdString(), store);
        QCOMPARE(loaded.result, DecodeResult::Ok);
        QCOMPARE(loaded.trace.sampleCount, int(readings.size()));
        QCOMPARE(loaded.trace.reference, std::string("-3.20"));
        for (size_t i = 0; i < readings.size(); ++i)
            QCOMPARE(store.GetTraceValues()[i + 1], readings[i].power);
        // The path box shows the log's path shortened in the middle, whole in its tip.
        auto* box = page.findChild<ElidedPathBox*>();
        box->resize(80, box->height());
        QVERIFY(box->ShownText().contains(QChar(0x2026)) && box->ShownText().endsWith("txt"));
        QCOMPARE(box->toolTip(), page.SavePathText());
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

    // Save Path, Trace, Start to Save and Stop as a user presses them. (A log
    // that cannot be written, which releases the button, is the live trace's
    // test.)
    void theSaveButtonFollowsTheTraceAndTheLog()
    {
        ScriptedPrompts prompts;
        QTemporaryDir dir;
        CAutoTracePage page(std::make_shared<SimulatedInstrument>());
        QPushButton* save = Button(page, "Start to Save");
        QVERIFY(save && !save->isEnabled());
        prompts.QueueFolder(dir.path());
        page.PressSavePath();
        const QString log = QDir::toNativeSeparators(dir.path()) + QDir::separator() + "COMData.txt";
        QCOMPARE(page.SavePathText(), log);
        prompts.QueueCancel();
        page.PressSavePath();
        QCOMPARE(page.SavePathText(), log);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.PressTrace();
        QVERIFY(save->isEnabled());
        QSignalSpy repaints(&page, &CAutoTracePage::RepaintRequested);
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

        QVERIFY(page.StatusText().contains(" logged to " + log + " and COMData.csv beside it."));
        page.PressStop();
        QVERIFY(page.StatusText().startsWith("Stopped: " + QString::number(page.Trace().Status().logged) +
                                             " reading(s) logged to " + log));
        QVERIFY(!page.IsTraceStarted() && !save->isEnabled() && !save->isChecked());
        QCOMPARE(save->text(), QString("Start to Save"));
        QFile written(log);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().startsWith("\r\n1550nmRef.=-3.20dBm\r\n"));
        QVERIFY(prompts.MessageTexts().isEmpty());

        // The folder is remembered: the next page, as in the next run, logs there.
        const CAutoTracePage next(std::make_shared<SimulatedInstrument>());
        QCOMPARE(next.SavePathText(), log);
    }
};

QTEST_MAIN(AutoTracePageTest)
#include "AutoTracePageTest.moc"
