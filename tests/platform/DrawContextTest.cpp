#include "QPainterDrawContext.h"
#include "RecordingDrawContext.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

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

QImage TextIn(const QRect& rect, Format format)
{
    QImage image = Blank();
    QPainter painter(&image);
    QPainterDrawContext dc(painter);
    dc.DrawTextIn(rect, QStringLiteral("WWW"), format);
    return image;
}
} // namespace

// The two drawing contexts: the QPainter one places text as its format and
// point say, and the recording one maps logical points as the painter does,
// so that tests of painters predict what is printed.
class DrawContextTest : public QObject
{
    Q_OBJECT

private slots:
    void textInARectangleIsPlacedAsItsFormatSays()
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
    }

    void textAtAPointHangsBelowIt()
    {
        QImage image = Blank();
        {
            QPainter painter(&image);
            QPainterDrawContext dc(painter);
            dc.TextAt(50, 60, QStringLiteral("WWW"));
        }
        const QRect ink = Ink(image);
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.top() >= 60);
        QVERIFY(ink.left() >= 50);
        QVERIFY(ink.top() < 60 + QFontMetrics(QFont()).height());
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
                    for (int y = -3; y <= 903; y += 9)
                        QCOMPARE(recorded.LogicalToDevice(QPoint(x, y)),
                                 onPaper.LogicalToDevice(QPoint(x, y)));
            }
        }
    }
};

QTEST_MAIN(DrawContextTest)
#include "DrawContextTest.moc"
