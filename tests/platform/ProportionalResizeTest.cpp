#include "platform/ui/ProportionalResize.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

// The proportional resize: offsets scale by the 32-bit float quotients of the
// sizes and are cut toward zero; the pages' children move, the view's
// rectangles keep each edge's distance from the matching window edge.
class ProportionalResizeTest : public QObject
{
    Q_OBJECT

private:
    // A form of 300 x 200 with two children laid out in it.
    struct Form
    {
        QWidget widget;
        QPushButton* first = new QPushButton("first", &widget);
        QLabel* second = new QLabel("second", &widget);

        Form()
        {
            widget.resize(300, 200);
            first->setGeometry(30, 20, 50, 10);
            second->setGeometry(271, 197, 20, 3);
        }
    };

private slots:
    void childrenMoveToTheirScaledOffsetsAndKeepTheirSizesOrTakeOneGiven()
    {
        Form form;
        const std::vector<QRect> rects = RecordChildRects(form.widget);
        QCOMPARE(rects,
                 (std::vector<QRect>{form.widget.rect(), form.first->geometry(), form.second->geometry()}));
        form.widget.resize(100, 300); // a third as wide, one and a half times as tall
        MoveChildrenInProportion(form.widget, rects);
        QCOMPARE(form.first->geometry(), QRect(10, 30, 50, 10));
        QCOMPARE(form.second->geometry(), QRect(90, 295, 20, 3)); // 90.33 and 295.5 are cut

        // Given a size, they take it.
        form.widget.resize(600, 200);
        MoveChildrenInProportion(form.widget, rects, QSize(140, 40));
        QCOMPARE(form.first->geometry(), QRect(60, 20, 140, 40));
        QCOMPARE(form.second->geometry(), QRect(542, 197, 140, 40));
    }

    void onlyRecordedChildrenMoveAndNothingBeforeRecording()
    {
        Form form;
        MoveChildrenInProportion(form.widget, {}); // a resize before the layout was recorded
        QCOMPARE(form.first->geometry(), QRect(30, 20, 50, 10));

        const std::vector<QRect> rects = RecordChildRects(form.widget);
        auto* later = new QLabel("later", &form.widget);
        later->setGeometry(5, 6, 7, 8);
        form.widget.resize(600, 400);
        MoveChildrenInProportion(form.widget, rects);
        QCOMPARE(form.first->pos(), QPoint(60, 40));
        QCOMPARE(later->geometry(), QRect(5, 6, 7, 8));
    }

    void anchoredEdgesKeepTheirScaledDistanceFromTheWindowsEdges()
    {
        const PixelRect original{0, 0, 100, 100};
        const PixelRect recorded{10, 20, 97, 99};
        // One and a half times as wide, half as tall, and moved.
        const PixelRect scaled = ScaleAnchored(recorded, original, PixelRect{7, 9, 157, 59});
        QCOMPARE(scaled, (PixelRect{7 + 15, 9 + 10, 157 - 4, 59 - 0})); // -4.5 cuts to -4, -0.5 to 0

        // A layout recorded without width has no proportion to keep across.
        const PixelRect narrow = ScaleAnchored(recorded, PixelRect{0, 0, 0, 100}, PixelRect{0, 0, 500, 200});
        QCOMPARE(narrow, (PixelRect{10, 40, 500 + 97, 200 - 2}));
    }
};

QTEST_MAIN(ProportionalResizeTest)
#include "ProportionalResizeTest.moc"
