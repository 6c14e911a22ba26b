#include "platform/draw/TextFitting.h"
#include "report/CReportPrinting.h"
#include "report/ReportFonts.h"
#include "report/ReportLogo.h"
#include "tests/report/ReportStores.h"
#include "tests/support/ScratchFolder.h"

#include <QImage>

#include <gtest/gtest.h>

// What makes a page one a contractor can hand over, on the recording
// context: the company's name and logo, and every value whole. The page
// footer is pinned by the golden listings, its cable by the paging test,
// the PDF by ReportPdfTest.

TEST(ReportIdentityTest, TheCompanyAndItsLogoInPlaceOfTheMakersName)
{
    CDataStore store;
    AddGroups(store, 3, {1});
    const auto header = [&store](const ReportOptions& options) {
        CReportPrinting job(store, ReportKind::Kav3, options);
        return Painted(job, 1, 1);
    };
    // Without a company the maker's name stands there (the golden listings).
    ReportOptions options = WithoutSummary();
    options.company = "Acme Fibre Ltd";
    const RecordingDrawContext named = header(options);
    EXPECT_FALSE(named.FirstText(QStringLiteral("CorvantaTech")));
    const auto* company = named.FirstText(QStringLiteral("Acme Fibre Ltd"));
    ASSERT_TRUE(company);
    // The title line's right half, the name against its right edge.
    EXPECT_EQ(company->rect, QRect(440, 60, 360, 40));
    EXPECT_TRUE(DrawContext::TextFormat::Right == (*company->format & DrawContext::TextFormat::Right));

    // A logo 200 x 50 pixels: as tall as the title line, keeping its shape
    // on paper (units are 110 across and 100 down to the inch), at the right;
    // the name ends beside it.
    ScratchFolder dir;
    QImage picture(200, 50, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    ASSERT_TRUE(picture.save(QString::fromStdString(dir.File("logo.png"))));
    options.logo = *ReadReportLogo(dir.File("logo.png")).image;
    const RecordingDrawContext branded = header(options);
    ASSERT_EQ(branded.Images().size(), 1u);
    EXPECT_EQ(branded.Images()[0].rect, QRect(800 - 176, 60, 176, 40));
    EXPECT_EQ(branded.FirstText(QStringLiteral("Acme Fibre Ltd"))->rect.right() + 1, 800 - 176 - 10);

    // A 38-character name beside the logo: two lines of a smaller face, each
    // narrowed to the room left, never "###"; the lines do not overlap.
    options.company = "Northern Fibre Installation Group Ltd.";
    const RecordingDrawContext longName = header(options);
    EXPECT_FALSE(longName.FirstText(QString::fromLatin1(NoRoomText)));
    std::vector<QRect> lines;
    for (const RecordingDrawContext::Text& text : longName.Texts())
        if (text.rect.top() >= 60 && text.rect.bottom() < 100 && text.rect.left() >= 440)
            lines.push_back(text.rect);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_FALSE(lines[0].intersects(lines[1]));
    for (const QRect& line : lines)
        EXPECT_LE(line.right() + 1, 800 - 176 - 10);
}

TEST(ReportIdentityTest, AValueTooLongForItsColumnWrapsWithinIt)
{
    InfoFields fields;
    fields.Customer = std::string(40, 'c'); // 320 units at 8 a character
    fields.Reason = std::string(50, 'r');   // 400 units: the whole width holds it
    CDataStore store;
    store.SetInfoFields(fields);
    RecordingDrawContext dc;
    CReport(store).PrintReportHeader(dc, "C");
    const auto* customer = dc.FirstText(QString(40, 'c'));
    ASSERT_TRUE(customer);
    ASSERT_TRUE(customer->format);
    EXPECT_TRUE(Includes(*customer->format, DrawContext::TextFormat::WordBreak) &&
                Includes(*customer->format, DrawContext::TextFormat::EditControl));
    // From after "Customer: " to a space before the right-hand labels.
    EXPECT_EQ(customer->rect.left(), 80 + 8 * 10);
    EXPECT_EQ(customer->rect.right() + 1, 440 - 8);
    EXPECT_EQ(customer->rect.top(), 236);
    EXPECT_FALSE(dc.FirstText(QString(50, 'r'))->format);
    // Its row grows by the lines it takes: nothing drawn below overlaps it.
    for (const RecordingDrawContext::Text& text : dc.Texts()) {
        const QRect box = text.format ? text.rect : QRect(text.at, QSize(8 * int(text.text.size()), 16));
        const bool below = &text != customer && box.top() > customer->rect.top();
        EXPECT_FALSE(below && box.intersects(customer->rect)) << text.text.toStdString();
    }
}

TEST(ReportIdentityTest, AValueWiderThanItsCellIsNarrowedOrShownAsHashes)
{
    // The recording context measures 8 units a character: 9 characters are
    // 72 units in a cell of 45, 31 characters far more than twice its width.
    KavTriples values{};
    values.RefAB[0] = 120000.0f; // "120000.00"
    values.RefBA[0] = 1e30f;     // 31 digits and the decimals
    values.LossAB[0] = 1.25f;
    CDataStore store;
    AddLossTest(store, 2, "C", "F", values);
    CReportPrinting job(store, ReportKind::Kav2, WithoutSummary());
    const RecordingDrawContext dc = Painted(job, 1, 1);
    const auto* narrowed = dc.FirstText(QStringLiteral("120000.00"));
    ASSERT_TRUE(narrowed);
    const QFont thin = MakeReportFont(ReportFont::ThinCell);
    EXPECT_EQ(narrowed->font.stretch(), thin.stretch() * 44 / 72);
    EXPECT_TRUE(dc.FirstText(QString::fromLatin1(NoRoomText)));
    for (const RecordingDrawContext::Text& text : dc.Texts())
        EXPECT_FALSE(text.text.startsWith(QStringLiteral("100000"))) << text.text.toStdString();
    // What fits is drawn as it is.
    EXPECT_EQ(dc.FirstText(QStringLiteral("1.25"))->font.stretch(),
              MakeReportFont(ReportFont::HeavyCell).stretch());
}
