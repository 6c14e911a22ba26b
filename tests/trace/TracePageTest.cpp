#include "data/CDataStore.h"
#include "data/Documents.h"
#include "data/FileLoading.h"
#include "platform/AppTitle.h"
#include "platform/draw/QPainterDrawContext.h"
#include "platform/draw/RecordingDrawContext.h"
#include "platform/files/SafeFileWriter.h"
#include "platform/ui/ScriptedPrompts.h"
#include "tests/support/ScratchFolder.h"
#include "tools/make-samples/ResultFileEncoder.h"
#include "trace/CTracePage.h"
#include "trace/RecordedTraceChart.h"

#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <random>

namespace {
const QColor Red(255, 0, 0);

// The chart as the page lays it out at creation: the rectangle (40, 10) to
// (600, 550), so the origin is at (45, 550), the zero line half the height
// (270 pixels) up and a division a twentieth of the height.
constexpr int X0 = 45;
constexpr int Y0 = 550;
constexpr int Width = 560;
constexpr int HalfHeight = 270;
constexpr int Mid = Y0 - HalfHeight;
constexpr int Division = 540 / 20;

// The points the curve was drawn through, checking that it is one unbroken line.
std::vector<QPoint> CurvePoints(const RecordingDrawContext& dc)
{
    std::vector<QPoint> points;
    for (const auto& segment : dc.LinesOfColor(Red)) {
        if (points.empty())
            points.push_back(segment.line.p1());
        else if (points.back() != segment.line.p1())
            qFatal("the curve is broken");
        points.push_back(segment.line.p2());
    }
    return points;
}
} // namespace

// The TRACE page with files made here and read the way File > Open reads
// them: statistics and texts, the range and zero-line commands, and the
// chart's coordinates through a recording context.
class CTracePageTest : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        QTemporaryDir dir;
        CDataStore store;
        ScriptedPrompts prompts;
        CTracePage page;

        Fixture() { page.show(); }
        // Shows what loading the file gave, as the view does.
        void Open(const QString& path)
        {
            LoadOptions options;
            options.accepted = {FileKind::TraceResult, FileKind::TraceDocument};
            const LoadOutcome outcome = LoadFile(path.toStdString(), store, options);
            QCOMPARE(outcome.result, DecodeResult::Ok);
            page.ShowTrace(path, outcome.trace);
        }
        void Open(const TraceRecording& trace)
        {
            WriteBytes(dir.filePath("trace.bin").toStdString(), EncodeTraceResult(trace));
            Open(dir.filePath("trace.bin"));
        }
        QString Text(int id) const
        {
            return page.findChild<QLineEdit*>(QString("control%1").arg(id))->text();
        }
        QStringList Texts(std::initializer_list<int> ids) const
        {
            QStringList texts;
            for (int id : ids)
                texts << Text(id);
            return texts;
        }
        void Click(int id)
        {
            auto* button = page.findChild<QAbstractButton*>(QString("control%1").arg(id));
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        RecordingDrawContext Painted() const
        {
            RecordingDrawContext dc;
            page.PaintChart(dc);
            return dc;
        }
    };

private slots:
    void statisticsAndTextsOfARecordedTraceAndItsDocument()
    {
        Fixture f;
        TraceRecording trace;
        trace.waveLength = 1310;
        trace.reference = -3.456f;
        trace.samples = {-10.00f, -12.50f, -11.00f};
        trace.start = MakeStamp(2017, 6, 15, 14, 5, 9);
        trace.end = MakeStamp(2017, 6, 15, 15, 10, 0);
        f.Open(trace);
        // Samples, lowest, highest, average ((-10 - 12.5 - 11) / 3), reference,
        // wavelength, start and end.
        const std::initializer_list<int> texts = {1017, 1035, 1036, 1037, 1034, 1045, 1039, 1044};
        QCOMPARE(f.Texts(texts), QStringList({"3", "-12.50", "-10.00", "-11.17", "-3.46", "1310",
                                              "2017-06-15 14:05:09", "2017-06-15 15:10:00"}));

        // Saved as the program's document, it shows the same statistics,
        // without the wavelength and times a document does not hold.
        const QString document = f.dir.filePath("saved.trace");
        QVERIFY(WriteFileSafely(document.toStdString(), TraceDocumentBytes(f.store)).ok());
        f.Open(document);
        QCOMPARE(f.Texts(texts), QStringList({"3", "-12.50", "-10.00", "-11.17", "-3.46", "", "", ""}));
    }

    void chartAxesLabelsAndTicks()
    {
        Fixture f;
        const RecordingDrawContext dc = f.Painted();
        // 0.1 dB a division at the default range, labelled from -1.00 to 0.90.
        for (int i = -10; i <= 9; ++i) {
            const QString label = i == 0 ? QString("Ref.") : QString::number(i * 0.1, 'f', 2);
            const RecordingDrawContext::Text* text = dc.FirstText(label);
            QVERIFY2(text, qPrintable(label));
            QCOMPARE(text->at, QPoint(X0 - 40, Mid - i * Division - 10));
        }
        QVERIFY(!dc.FirstText("1.00") && !dc.FirstText("Avg."));
        QCOMPARE(dc.FirstText("Power(dB)")->at, QPoint(X0 + 15, 10));

        const auto drawn = [&dc](const QLine& line) {
            return std::any_of(dc.Lines().begin(), dc.Lines().end(),
                               [&](const auto& l) { return l.line == line; });
        };
        QVERIFY(drawn(QLine(X0, Y0 - 540, X0 + 5, Y0 - 530)));          // the power axis's arrow
        QVERIFY(drawn(QLine(X0 + Width, Y0, X0 + Width - 10, Y0 + 5))); // the time axis's
        QVERIFY(drawn(QLine(X0, Mid, X0 + Width, Mid)));                // the zero line
        for (int i = 1; i <= 4; ++i) // ticks at three quarters of the time axis
            QCOMPARE(drawn(QLine(X0 + i * Width / 4, Y0 - 10, X0 + i * Width / 4, Y0)), i < 4);
        QVERIFY(drawn(QLine(X0, Mid + 9 * Division, X0 + 10, Mid + 9 * Division)));
        QVERIFY(!drawn(QLine(X0, Mid + 10 * Division, X0 + 10, Mid + 10 * Division)));
        QVERIFY(dc.LinesOfColor(Red).empty());
        QVERIFY(!dc.FirstText("00:00")); // no recording, no times

        // The elapsed time under each tick, centred on it, in the form the
        // recording's length asks for.
        TraceRecording trace;
        trace.samples = {-1.0f, -2.0f};
        const struct
        {
            int hour, minute, second;
            QStringList labels;
        } ends[] = {{14, 20, 0, {"00:00", "05:00", "10:00", "15:00", "20:00"}},
                    {16, 10, 0, {"0:00:00", "0:32:30", "1:05:00", "1:37:30", "2:10:00"}}};
        for (const auto& end : ends) {
            trace.start = MakeStamp(2017, 6, 15, 14, 0, 0);
            trace.end = MakeStamp(2017, 6, 15, end.hour, end.minute, end.second);
            f.Open(trace);
            const RecordingDrawContext timed = f.Painted();
            for (int i = 0; i <= 4; ++i) {
                const RecordingDrawContext::Text* text = timed.FirstText(end.labels[i]);
                QVERIFY2(text, qPrintable(end.labels[i]));
                QCOMPARE(text->at.y(), Y0 + 5);
                const int middle = text->at.x() + timed.TextWidth(end.labels[i]) / 2;
                QVERIFY(std::abs(middle - (X0 + i * Width / 4)) <= 1);
            }
        }
    }

    // Each range button: a sample 0.5 dB above the reference lies 0.5 / range
    // of the half height up, and a division is a tenth of the range.
    void rangeScalesTheCurveAndTheLabels()
    {
        Fixture f;
        TraceRecording trace;
        trace.reference = -10.0f;
        trace.samples = {-10.0f, -9.5f};
        f.Open(trace);
        const std::pair<int, double> ranges[] = {{1010, 0.5}, {1013, 4.0}, {1011, 2.0}, {1012, 1.0}};
        for (const auto& [button, range] : ranges) {
            f.Click(button);
            const RecordingDrawContext dc = f.Painted();
            QCOMPARE(CurvePoints(dc)[1].y(), int(Mid - HalfHeight * 0.5 / range));
            const QString label = QString::number(range / 10, 'f', 2);
            QVERIFY2(dc.FirstText(label), qPrintable(label));
            QCOMPARE(dc.FirstText(label)->at.y(), Mid - Division - 10);
        }
    }

    // The zero line at the average and back at the reference; without a file
    // or without samples there is no average, and "No Data" says so.
    void zeroLineAsAverageAndBackAsReference()
    {
        Fixture f;
        f.Click(1008);
        f.Click(1014);
        QCOMPARE(f.prompts.MessageTexts(), QStringList({"No Data", "No Data"}));
        QCOMPARE(f.prompts.Asked()[0].caption, QString(ApplicationTitle));
        QVERIFY(f.Painted().FirstText("Ref."));
        f.prompts.Clear();

        TraceRecording trace;
        trace.reference = -10.5f;
        trace.samples = {-10.0f, -12.0f, -11.0f}; // averaging -11 exactly
        f.Open(trace);

        f.Click(1014);
        RecordingDrawContext dc = f.Painted();
        QVERIFY(dc.FirstText("Avg.") && !dc.FirstText("Ref."));
        std::vector<QPoint> curve = CurvePoints(dc);
        QCOMPARE(curve[1].y(), Y0); // 1 dB below the average: the bottom of the axis
        QCOMPARE(curve[2].y(), Mid);

        f.Click(1008);
        dc = f.Painted();
        QVERIFY(dc.FirstText("Ref.") && !dc.FirstText("Avg."));
        curve = CurvePoints(dc);
        QCOMPARE(curve[1].y(), Y0); // 1.5 dB below the reference: on the bottom edge
        QCOMPARE(curve[2].y(), Mid + HalfHeight / 2);

        // A new file is drawn against its reference, and its label says so.
        f.Click(1014);
        f.Open(trace);
        dc = f.Painted();
        QVERIFY(dc.FirstText("Ref."));
        QCOMPARE(CurvePoints(dc)[2].y(), Mid + HalfHeight / 2);
        QVERIFY(f.prompts.MessageTexts().isEmpty());

        f.Open(TraceRecording());
        f.Click(1014);
        f.Click(1008);
        QCOMPARE(f.prompts.MessageTexts(), QStringList({"No Data"}));
        QVERIFY(f.Painted().LinesOfColor(Red).empty());
    }

    // The cursors stand at a quarter and three quarters of the samples; a
    // drag moves the nearer one. Five samples over 4 s, a second apart.
    void cursorsReadTimePowerAndWhatLiesBetween()
    {
        Fixture f;
        TraceRecording trace;
        trace.samples = {-10.0f, -11.0f, -12.0f, -13.5f, -14.0f};
        trace.start = MakeStamp(2017, 6, 15, 14, 0, 0);
        trace.end = MakeStamp(2017, 6, 15, 14, 0, 4);
        f.Open(trace);
        QCOMPARE(f.page.CursorSamples(), std::make_optional(std::make_pair(1, 3)));
        // From -11.0 at 1 s to -13.5 at 3 s: the samples -11, -12, -13.5.
        const std::vector<QString> expected = {"A  00:01.0   -11.00 dBm", "B  00:03.0   -13.50 dBm",
                                               "Δt 00:02.0   ΔdB -2.50", "Between: 3 readings",
                                               "min -13.50  avg -12.17  max -11.00 dBm"};
        QCOMPARE(f.page.CursorReadout(), expected);
        const RecordingDrawContext dc = f.Painted();
        QVERIFY(dc.FirstText(expected[2]));
        // Sample s lies at X0 + (s + 1) * Width / 5; the first at the origin.
        QVERIFY(std::any_of(dc.Lines().begin(), dc.Lines().end(), [](const auto& l) {
            return l.line == QLine(X0 + 2 * Width / 5, Y0 - 540, X0 + 2 * Width / 5, Y0);
        }));

        // A press just right of the last sample takes B, the nearer, there.
        QTest::mousePress(&f.page, Qt::LeftButton, {}, QPoint(X0 + Width - 2, Mid));
        QTest::mouseRelease(&f.page, Qt::LeftButton, {}, QPoint(X0 + Width - 2, Mid));
        QCOMPARE(f.page.CursorSamples(), std::make_optional(std::make_pair(1, 4)));
        f.page.DragCursorTo(X0);
        QCOMPARE(f.page.CursorReadout()[0], QString("A  00:00.0   -10.00 dBm"));
        QCOMPARE(f.page.CursorReadout()[2], QString("Δt 00:04.0   ΔdB -4.00"));

        // A document has no times: the samples are counted instead.
        const QString document = f.dir.filePath("saved.trace");
        QVERIFY(WriteFileSafely(document.toStdString(), TraceDocumentBytes(f.store)).ok());
        f.Open(document);
        QCOMPARE(f.page.CursorReadout()[0], QString("A  #2   -11.00 dBm"));
        QCOMPARE(f.page.CursorReadout()[2], QString("Δt 2 samples   ΔdB -2.50"));
    }

    // Samples hundreds of dB away and infinities are drawn on the chart's
    // edges, so a run beyond the range goes along the edge; a number that
    // is none is left out.
    void wildSamplesRunAlongTheEdges()
    {
        Fixture f;
        TraceRecording trace;
        trace.reference = -5.0f;
        trace.samples = {-5.0f, 500.0f, -5.0f, INFINITY, -INFINITY, NAN, -5.0f, -1e30f};
        f.Open(trace);
        const std::vector<QPoint> curve = CurvePoints(f.Painted());
        const auto at = [](int eighths, int y) { return QPoint(X0 + eighths * Width / 8, y); };
        const int top = Y0 - 540;
        QCOMPARE(curve, (std::vector<QPoint>{at(0, Mid), at(2, top), at(3, Mid), at(4, top), at(5, Y0),
                                             at(7, Mid), at(8, Y0)}));
    }

    // A trace swinging 3 dB either way at a range of 0.5 dB: not one pixel of
    // the curve outside the chart, on the time axis or below it.
    void aSwingBeyondTheRangeStaysInTheChart()
    {
        Fixture f;
        TraceRecording trace;
        trace.reference = -10.0f;
        for (int i = 0; i < 400; ++i)
            trace.samples.push_back(-10.0f + 3.0f * std::sin(i / 10.0f));
        f.Open(trace);
        f.Click(1010);
        QImage image(f.page.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        f.page.render(&image);
        const QRect allowed(X0, Y0 - 540, Width + 1, 541);
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == Red) {
                    ++red;
                    QVERIFY2(allowed.contains(x, y), qPrintable(QString("%1,%2").arg(x).arg(y)));
                }
        QVERIFY(red > Width);
    }

    // The painter keeps per pixel column only the first, lowest, highest and
    // last sample; the picture must be the one that every sample draws.
    void aLargeTraceDrawsTheSamePixelsReduced()
    {
        std::mt19937 random(20260304);
        std::normal_distribution<float> noise(0.0f, 0.05f);
        std::vector<float> values = {-5.0f};
        float level = -5.0f;
        for (int i = 0; i < 65535; ++i) {
            level += noise(random);
            float sample = level + 4 * noise(random);
            if (i % 9973 == 0)
                sample += (i % 2 ? 40.0f : -40.0f); // spikes far off the page
            values.push_back(std::round(sample * 100) / 100);
        }
        const QRect chart(40, 10, 560, 540), page(0, 0, 900, 620);
        RecordedTraceChartData data;
        data.sampleCount = 65535;
        data.plotValues = &values;
        const auto picture = [&](CurveDetail detail) {
            QImage image(page.size(), QImage::Format_RGB32);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                QPainterDrawContext dc(painter);
                PaintRecordedTraceChart(dc, chart, data, detail);
            }
            return image;
        };
        for (const float range : {0.5f, 1.0f, 4.0f}) {
            data.range = range;
            QCOMPARE(picture(CurveDetail::PixelColumns), picture(CurveDetail::EveryPoint));
            RecordingDrawContext reduced;
            PaintRecordedTraceChart(reduced, chart, data);
            const size_t segments = reduced.LinesOfColor(Red).size(); // across the width, at most 4 a column
            QVERIFY(segments > size_t(Width) && segments <= size_t(4 * (Width + 1)));
        }
    }
};

QTEST_MAIN(CTracePageTest)
#include "TracePageTest.moc"
