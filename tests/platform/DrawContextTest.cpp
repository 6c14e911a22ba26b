#include "platform/draw/QPainterDrawContext.h"
#include "platform/draw/RecordingDrawContext.h"
#include "platform/draw/ShapedTextCache.h"
#include "platform/draw/TextFitting.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <functional>

namespace {
using Format = DrawContext::TextFormat;

// The bounding box of every pixel that is not white.
QRect Ink(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                box |= QRect(x, y, 1, 1);
    return box;
}

QImage Blank()
{
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage Drawn(const std::function<void(DrawContext&)>& draw, ShapedTextCache* shapes = nullptr)
{
    QImage image = Blank();
    QPainter painter(&image);
    QPainterDrawContext dc(painter, QRect(), shapes);
    draw(dc);
    return image;
}

QImage TextIn(const QRect& rect, Format format, ShapedTextCache* shapes = nullptr,
              const QString& text = QStringLiteral("WWW"))
{
    return Drawn([&](DrawContext& dc) { dc.DrawTextIn(rect, text, format); }, shapes);
}
} // namespace

// The two drawing contexts: the QPainter one places text as its format and
// point say, and the recording one maps logical points as the painter does,
// so that tests of painters predict what is printed.
class DrawContextTest : public QObject
{
    Q_OBJECT

private slots:
    void textIsPlacedAsItsFormatOrPointSays()
    {
        const QRect rect(0, 0, 400, 200);
        const QRect topLeft = Ink(TextIn(rect, Format::Left | Format::Top | Format::SingleLine));
        const QRect centred = Ink(TextIn(rect, Format::HCenter | Format::VCenter | Format::SingleLine));
        const QRect bottomRight = Ink(TextIn(rect, Format::Right | Format::Bottom | Format::SingleLine));
        QVERIFY(!topLeft.isEmpty());
        QVERIFY(topLeft.right() < rect.center().x() && topLeft.bottom() < rect.center().y());
        QVERIFY(bottomRight.left() > rect.center().x() && bottomRight.top() > rect.center().y());
        QVERIFY(qAbs(centred.center().x() - rect.center().x()) <= 2);
        QVERIFY(qAbs(centred.center().y() - rect.center().y()) <= centred.height() / 2);
        // The same text, only moved (give or take a pixel of anti-aliasing).
        QVERIFY(qAbs(centred.width() - topLeft.width()) <= 1);
        QVERIFY(qAbs(bottomRight.height() - topLeft.height()) <= 1);

        // Text at a point hangs below it.
        QImage image = Blank();
        {
            QPainter painter(&image);
            QPainterDrawContext(painter).TextAt(50, 60, QStringLiteral("WWW"));
        }
        const QRect ink = Ink(image);
        QVERIFY(!ink.isEmpty() && ink.top() >= 60 && ink.left() >= 50);
        QVERIFY(ink.top() < 60 + QFontMetrics(QFont()).height());
    }

    // Edit-control breaking: between words where it can, inside a word
    // longer than the line after the last character that fits; and a
    // centred value too wide is narrowed down to half its width, then "###".
    void longWordsBreakInsideAndWideValuesNarrow()
    {
        const QImage device = Blank();
        const QFontMetricsF metrics(QFont(), &device);
        const QString id = QStringLiteral("OSP_LGX_A12_P005");
        const qreal width = metrics.horizontalAdvance(id) * 0.6;
        const QStringList lines = EditControlLines(id, metrics, width);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.join(QString()), id);
        QVERIFY(metrics.horizontalAdvance(lines[0]) <= width);
        QVERIFY(metrics.horizontalAdvance(lines[0] + lines[1].front()) > width);
        const QString words = QStringLiteral("Cabinet 17 east");
        QCOMPARE(EditControlLines(words, metrics, metrics.horizontalAdvance(QStringLiteral("Cabinet 17 ea"))),
                 (QStringList{QStringLiteral("Cabinet 17"), QStringLiteral("east")}));
        QCOMPARE(EditControlLines(QStringLiteral("Loss AB\n(dB)"), metrics, 1000),
                 (QStringList{QStringLiteral("Loss AB"), QStringLiteral("(dB)")}));

        // Drawn: every line inside the box, one below the other.
        QImage image = Blank();
        {
            QPainter painter(&image);
            QPainterDrawContext dc(painter);
            dc.DrawTextIn(QRect(10, 10, int(width), 100), id, Format::WordBreak | Format::EditControl);
        }
        const QRect ink = Ink(image);
        QVERIFY(ink.left() >= 10 && ink.right() < 10 + int(width) + 1);
        QVERIFY(ink.height() > metrics.height());

        QFont font;
        font.setStretch(100);
        QCOMPARE(FitCentredValue(font, id, 80, 100).font.stretch(), 100);
        const FittedValue narrowed = FitCentredValue(font, id, 150, 100);
        QCOMPARE(narrowed.text, id);
        QCOMPARE(narrowed.font.stretch(), 66); // 100 x 99 / 150
        QCOMPARE(FitCentredValue(font, id, 210, 100).text, QStringLiteral("###"));
    }

    void shapedTextIsPlacedAsThePainterPlacesIt()
    {
        ShapedTextCache shapes;
        const QRect rect(20, 30, 300, 90);
        for (const Format format : {Format::HCenter | Format::VCenter | Format::SingleLine,
                                    Format::Left | Format::VCenter | Format::SingleLine,
                                    Format::Right | Format::Bottom | Format::SingleLine}) {
            const QRect painted = Ink(TextIn(rect, format));
            const QRect shaped = Ink(TextIn(rect, format, &shapes));
            const QRect again = Ink(TextIn(rect, format, &shapes)); // from the cache
            QVERIFY(!shaped.isEmpty());
            const QPoint off = shaped.topLeft() - painted.topLeft();
            QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1,
                     qPrintable(QString("off by %1,%2").arg(off.x()).arg(off.y())));
            QCOMPARE(shaped.size(), painted.size());
            QCOMPARE(again, shaped);
        }
        // Lines of wrapped text, text at a point, and a box lower than the
        // line whose ink it holds (which clips nothing): as the painter
        // draws each of them.
        const QRect inkHigh = Ink(TextIn(rect, Format::Left | Format::Top | Format::SingleLine));
        const QList<std::function<void(DrawContext&)>> draws = {
            [](DrawContext& dc) {
                dc.DrawTextIn(QRect(10, 10, 200, 150), QStringLiteral("Loss AB\n(dB)"),
                              Format::HCenter | Format::WordBreak | Format::EditControl);
            },
            [](DrawContext& dc) { dc.TextAt(30, 40, QStringLiteral("Cable ID: CAB-01")); },
            [&inkHigh](DrawContext& dc) {
                dc.DrawTextIn(QRect(20, inkHigh.top() - 3, 300, inkHigh.height() + 6), QStringLiteral("WWW"),
                              Format::Left | Format::Top | Format::SingleLine);
            },
        };
        for (const auto& draw : draws) {
            const QRect painted = Ink(Drawn(draw));
            const QRect shaped = Ink(Drawn(draw, &shapes));
            QVERIFY(!shaped.isEmpty());
            const QPoint off = shaped.topLeft() - painted.topLeft();
            QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1,
                     qPrintable(QString("off by %1,%2").arg(off.x()).arg(off.y())));
            QVERIFY(qAbs(shaped.width() - painted.width()) <= 1 &&
                    qAbs(shaped.height() - painted.height()) <= 1);
        }
        // Too wide for its rectangle: cut at the rectangle's edges.
        const QRect narrow(100, 50, 20, 40);
        const QRect cut = Ink(TextIn(narrow, Format::HCenter | Format::VCenter | Format::SingleLine, &shapes,
                                     QStringLiteral("WWWWWWWWWW")));
        QVERIFY(!cut.isEmpty());
        QVERIFY(narrow.contains(cut));
        // Too low for its ink: cut at the rectangle's top and bottom.
        const QRect low(20, inkHigh.top() + 2, 300, inkHigh.height() - 4);
        const QRect cutLow = Ink(TextIn(low, Format::Left | Format::Top | Format::SingleLine, &shapes));
        QVERIFY(!cutLow.isEmpty());
        QVERIFY(low.contains(cutLow));
    }

    // Shaped texts are held back and drawn together: the same pixels as
    // each drawn on its own, a fill after them still covers them, a colour
    // of their own stays theirs, and their widths are the metrics' widths.
    void heldTextsDrawAsEachAloneAndMeasureAsTheMetrics()
    {
        struct Step
        {
            QRect rect;
            QString text;
            QColor colour;
            QRect fillAfter; // null: none
        };
        const QList<Step> steps = {
            {QRect(10, 10, 100, 30), QStringLiteral("-9.58"), Qt::black, QRect()},
            {QRect(110, 10, 100, 30), QStringLiteral("1310 Up/Down"), Qt::black, QRect(10, 10, 100, 30)},
            {QRect(10, 60, 100, 30), QStringLiteral("N/A"), Qt::red, QRect()},
            {QRect(110, 60, 100, 30), QStringLiteral("0.35"), Qt::black, QRect()},
        };
        const Format centred = Format::HCenter | Format::VCenter | Format::SingleLine;
        ShapedTextCache shapes;
        QImage together = Blank(), alone = Blank();
        {
            QPainter painter(&together);
            QPainterDrawContext dc(painter, QRect(), &shapes);
            for (const Step& step : steps) {
                dc.SetTextColor(step.colour);
                dc.DrawTextIn(step.rect, step.text, centred);
                if (!step.fillAfter.isNull())
                    dc.FillRect(step.fillAfter, Qt::white);
                QCOMPARE(dc.TextWidth(step.text), painter.fontMetrics().horizontalAdvance(step.text));
            }
        }
        {
            QPainter painter(&alone);
            for (const Step& step : steps) {
                {
                    QPainterDrawContext dc(painter, QRect(), &shapes);
                    dc.SetTextColor(step.colour);
                    dc.DrawTextIn(step.rect, step.text, centred);
                }
                if (!step.fillAfter.isNull())
                    painter.fillRect(step.fillAfter, Qt::white);
            }
        }
        QCOMPARE(together, alone);
        QVERIFY(!Ink(together).isEmpty());
        QVERIFY(Ink(together.copy(steps[0].rect)).isEmpty()); // covered by the fill
        const QImage red = together.copy(steps[2].rect);
        bool inRed = false;
        for (int y = 0; y < red.height(); ++y)
            for (int x = 0; x < red.width(); ++x)
                inRed = inRed || (qRed(red.pixel(x, y)) > 200 && qGreen(red.pixel(x, y)) < 100);
        QVERIFY(inRed);
    }

    void linesAreMergedButKeepTheirPlaceBeforeFills()
    {
        // Boxes that share their edges draw the same pixels as the painter's
        // own lines; a fill drawn after them still covers them.
        QImage drawn = Blank(), reference = Blank();
        {
            QPainter painter(&drawn);
            QPainterDrawContext dc(painter);
            for (int c = 0; c < 3; ++c) {
                dc.MoveTo(10 + 40 * c, 10);
                dc.LineTo(50 + 40 * c, 10);
                dc.LineTo(50 + 40 * c, 60);
                dc.LineTo(10 + 40 * c, 60);
                dc.LineTo(10 + 40 * c, 10);
            }
            dc.FillRect(QRect(0, 0, 30, 200), Qt::white);
            dc.MoveTo(200, 100);
            dc.LineTo(250, 150);
        }
        {
            QPainter painter(&reference);
            painter.drawRect(QRect(10, 10, 120, 50));
            painter.drawLine(50, 10, 50, 60);
            painter.drawLine(90, 10, 90, 60);
            painter.fillRect(QRect(0, 0, 30, 200), Qt::white);
            painter.drawLine(200, 100, 250, 150);
        }
        QCOMPARE(drawn, reference);
    }

    void pensAreDevicePixelsWideWhateverTheMapping()
    {
        for (const int width : {1, 3}) {
            QImage image = Blank();
            {
                QPainter painter(&image);
                QPainterDrawContext dc(painter);
                dc.SetMapping(QRect(0, 0, 100, 100), QRect(0, 0, 400, 600)); // 4 and 6 pixels a unit
                dc.SetPen(Qt::black, width);
                dc.MoveTo(10, 20);
                dc.LineTo(90, 20);
            }
            QCOMPARE(Ink(image).height(), width);
        }
    }

    void theDeviceAndAPartOfItReadBack()
    {
        QImage image(300, 200, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(150 / 0.0254));
        image.setDotsPerMeterY(qRound(300 / 0.0254));
        QPainter painter(&image);
        QPainterDrawContext whole(painter);
        QCOMPARE(whole.DeviceSize(), image.size());
        QCOMPARE(whole.DotsPerInch(), QSize(150, 300));

        // A part of the device: its size, and a mapping from its corner.
        const QRect area(40, 30, 200, 100);
        QPainterDrawContext part(painter, area);
        QCOMPARE(part.DeviceSize(), area.size());
        part.SetMapping(QRect(0, 0, 10, 10), QRect(0, 0, 20, 30));
        QCOMPARE(part.LogicalToDevice(QPoint(5, 5)), QPoint(10, 15));
        QCOMPARE(painter.combinedTransform().map(QPoint(5, 5)), QPoint(50, 45));
    }

    void recordedMappingRoundsAsThePainterDoes()
    {
        // The reports' mapping: 1440 x 900 units, 110 per inch across and 100
        // down, onto printers of several resolutions and onto an offset viewport.
        for (const int dpi : {96, 300, 600}) {
            const QRect window(0, 0, 1440, 900);
            const QRect viewport(0, 0, 1440 * dpi / 110, 900 * dpi / 100);
            for (const QRect& to : {viewport, viewport.translated(13, -7)}) {
                QImage image(8, 8, QImage::Format_RGB32);
                QPainter painter(&image);
                QPainterDrawContext onPaper(painter);
                RecordingDrawContext recorded;
                onPaper.SetMapping(window, to);
                recorded.SetMapping(window, to);
                for (int x = -5; x <= 1445; x += 7)
                    for (int y = -3; y <= 903; y += 9) {
                        QCOMPARE(recorded.LogicalToDevice(QPoint(x, y)),
                                 onPaper.LogicalToDevice(QPoint(x, y)));
                    }
            }
        }
    }
};

QTEST_MAIN(DrawContextTest)
#include "DrawContextTest.moc"
