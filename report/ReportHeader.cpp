#include "data/CDataStore.h"
#include "platform/draw/TextFitting.h"
#include "report/CReport.h"
#include "report/ReportDrawing.h"
#include "report/ReportFonts.h"
#include "report/ReportText.h"

#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>

namespace {
constexpr int Left = CReport::KavTableLeft;
constexpr int Width = 720; // the table's width
constexpr int Right = Left + Width;
constexpr int RightLabels = Left + Width / 2;
constexpr int UnitA = Left + Width / 3;
constexpr int UnitB = Left + 2 * Width / 3;

// The vertical steps follow the fonts' heights: the title's line of 40, and a
// quarter of the body font's 16, down to the rule; a section heading's 20 and
// two body lines down to its first row; rows 1.25 body lines apart.
constexpr int BodyHeight = 16;
constexpr int TitleToRule = 40 + static_cast<int>(BodyHeight * 0.25);
constexpr int RuleToSection = 20;
constexpr int RuleToNextSection = 16;
constexpr int SectionToRow = 20 + BodyHeight + BodyHeight;
constexpr int TallSectionToRow = 30 + BodyHeight + BodyHeight;
constexpr int RowStep = static_cast<int>(BodyHeight * 1.25);
constexpr int LastRowToRule = 32;

constexpr int TitleHeight = 40; // the title font's line
// The right-hand half of the title line, which the maker's name, or the
// company's name and logo, take.
constexpr int BrandLeft = RightLabels;
constexpr int LogoGap = 10; // between the company's name and its logo
// The most lines a value too long for its column is drawn on.
constexpr int ValueLines = 4;

struct Row
{
    const char* label;
    std::string InfoFields::*field;
    const char* rightLabel; // null: no right half
    std::string InfoFields::*rightField;
};

void Rule(DrawContext& dc, int y)
{
    Line(dc, Left, y, Right, y);
}

// A value at (x, y) in a column that ends at `right`: a value too long for
// it wraps within the column, a body line below the other, rather than run
// into what stands to its right. Returns the lines it took.
int Value(DrawContext& dc, int x, int y, int right, const std::string& value)
{
    const QString text = QString::fromStdString(value);
    if (dc.TextWidth(text) <= right - x) {
        dc.TextAt(x, y, text);
        return 1;
    }
    const int lines = std::min<int>(
        ValueLines, static_cast<int>(EditControlLines(text, QFontMetricsF(dc.Font()), right - x).size()));
    dc.DrawTextIn(Edges(x, y, right, y + lines * BodyHeight), text, Wrapped);
    return lines;
}

// A label at x and the field's value after it and one space; the lines the
// value took.
int Labelled(DrawContext& dc, int x, int y, int right, const QString& label, const std::string& value)
{
    dc.TextAt(x, y, label);
    return Value(dc, x + dc.TextWidth(label + QLatin1Char(' ')), y, right, value);
}

// Rows of labelled values from y on; returns the y of the last row. A left
// value without a right half takes the whole width. A row whose value wraps
// grows by the lines it takes, so the next row starts below them.
template <size_t N> int PrintRows(DrawContext& dc, int y, const Row (&rows)[N], const InfoFields& fields)
{
    const int gap = dc.TextWidth(QStringLiteral(" "));
    int last = y;
    for (size_t i = 0; i < N; ++i) {
        const bool right = rows[i].rightLabel != nullptr;
        int lines = Labelled(dc, Left, y, right ? RightLabels - gap : Right,
                             ReportText("Report", rows[i].label), fields.*rows[i].field);
        if (right)
            lines =
                std::max(lines, Labelled(dc, RightLabels, y, Right, ReportText("Report", rows[i].rightLabel),
                                         fields.*rows[i].rightField));
        last = y + (lines - 1) * BodyHeight;
        y = last + RowStep;
    }
    return last;
}
} // namespace

int32_t CReport::PrintReportHeader(DrawContext& dc, const std::string& cableId) const
{
    static const Row JobRows[] = {
        {QT_TRANSLATE_NOOP("Report", "Job ID:"), &InfoFields::JobId, QT_TRANSLATE_NOOP("Report", "Date:"),
         &InfoFields::JobDate},
        {QT_TRANSLATE_NOOP("Report", "Reason:"), &InfoFields::Reason, nullptr, nullptr},
        {QT_TRANSLATE_NOOP("Report", "Contractor:"), &InfoFields::Contractor,
         QT_TRANSLATE_NOOP("Report", "Operator A:"), &InfoFields::OperatorA},
        {QT_TRANSLATE_NOOP("Report", "Customer:"), &InfoFields::Customer,
         QT_TRANSLATE_NOOP("Report", "Operator B:"), &InfoFields::OperatorB},
        {QT_TRANSLATE_NOOP("Report", "Custom job 1:"), &InfoFields::CustomJob1,
         QT_TRANSLATE_NOOP("Report", "Custom job 2:"), &InfoFields::CustomJob2},
    };
    static const Row TestRows[] = {
        {QT_TRANSLATE_NOOP("Report", "Reference:"), &InfoFields::ReferenceMethod,
         QT_TRANSLATE_NOOP("Report", "Test cords:"), &InfoFields::TestCords},
        {QT_TRANSLATE_NOOP("Report", "Calibrated A:"), &InfoFields::CalibrationDateA,
         QT_TRANSLATE_NOOP("Report", "Calibrated B:"), &InfoFields::CalibrationDateB},
        {QT_TRANSLATE_NOOP("Report", "Model:"), &InfoFields::InstrumentModel,
         QT_TRANSLATE_NOOP("Report", "Firmware:"), &InfoFields::Firmware},
    };
    static const Row CableRows[] = {
        {QT_TRANSLATE_NOOP("Report", "Cable ID:"), &InfoFields::CableId, nullptr, nullptr},
        {QT_TRANSLATE_NOOP("Report", "Location A:"), &InfoFields::LocationA,
         QT_TRANSLATE_NOOP("Report", "Location B:"), &InfoFields::LocationB},
        {QT_TRANSLATE_NOOP("Report", "Cable Mfr.:"), &InfoFields::CableMfr,
         QT_TRANSLATE_NOOP("Report", "Cable Type:"), &InfoFields::CableType},
        {QT_TRANSLATE_NOOP("Report", "Custom cable 1:"), &InfoFields::CustomCable1,
         QT_TRANSLATE_NOOP("Report", "Custom cable 2:"), &InfoFields::CustomCable2},
    };
    // The cable is the group's, whatever the information field holds.
    InfoFields fields = m_Store.GetInfoFields();
    fields.CableId = cableId;
    // The reference method in words: "2 jumpers".
    if (!fields.ReferenceMethod.empty())
        fields.ReferenceMethod =
            (fields.ReferenceMethod == "1"
                 ? ReportText("Report", "1 jumper")
                 : ReportText("Report", "%1 jumpers").arg(QString::fromStdString(fields.ReferenceMethod)))
                .toStdString();
    const QFont body = MakeReportFont(ReportFont::Body);
    const QFont section = MakeReportFont(ReportFont::Section);

    SelectedFont restored(dc, ReportFont::Title);
    int y = 60;
    dc.TextAt(Left, y, ReportText("Report", "KAV Report"));
    PrintBrand(dc, m_Brand, y);

    Rule(dc, y += TitleToRule);
    dc.SetFont(section);
    dc.TextAt(Left, y += RuleToSection, ReportText("Report", "Job Information"));
    dc.SetFont(body);
    y = PrintRows(dc, y + SectionToRow, JobRows, fields);

    Rule(dc, y += LastRowToRule);
    dc.SetFont(section);
    dc.TextAt(Left, y += RuleToNextSection, ReportText("Report", "Cable Information"));
    dc.SetFont(body);
    y = PrintRows(dc, y + SectionToRow, CableRows, fields);

    Rule(dc, y += LastRowToRule);
    dc.SetFont(section);
    dc.TextAt(Left, y += RuleToNextSection, ReportText("Report", "System Information"));
    dc.SetFont(body);
    y += TallSectionToRow;
    dc.TextAt(UnitA, y, ReportText("Report", "Unit A"));
    dc.TextAt(UnitB, y, ReportText("Report", "Unit B"));
    y += RowStep;
    const int gap = dc.TextWidth(QStringLiteral(" "));
    dc.TextAt(Left, y, ReportText("Report", "Unit Name:"));
    Value(dc, UnitA, y, UnitB - gap, fields.UnitNameA);
    Value(dc, UnitB, y, Right, fields.UnitNameB);
    y += RowStep;
    dc.TextAt(Left, y, ReportText("Report", "Serial Number:"));
    Value(dc, UnitA, y, UnitB - gap, fields.SerialNumberA);
    Value(dc, UnitB, y, Right, fields.SerialNumberB);

    Rule(dc, y += LastRowToRule);
    dc.SetFont(section);
    dc.TextAt(Left, y += RuleToNextSection, ReportText("Report", "Test Information"));
    dc.SetFont(body);
    y = PrintRows(dc, y + SectionToRow, TestRows, fields);

    Rule(dc, y += LastRowToRule);
    dc.SetFont(section);
    dc.TextAt(Left, y += RuleToNextSection, QStringLiteral("KAV FTTx"));
    return y + TallSectionToRow;
}

// Without a company or logo, the maker's name as the layout places it.
// Otherwise the logo at the right, as tall as the title line, and the
// company's name ending beside it, both within the title line's right half.
void CReport::PrintBrand(DrawContext& dc, const ReportBrand& brand, int top)
{
    SelectedFont restored(dc, ReportFont::Brand);
    if (brand.company.isEmpty() && brand.logo.isNull()) {
        const QString maker = QStringLiteral("CorvantaTech");
        dc.TextAt(Left + Width - 20 * (static_cast<int>(maker.size()) + 1), top, maker);
        return;
    }
    int nameRight = Right;
    if (!brand.logo.isNull()) {
        const QSize area(Right - BrandLeft, TitleHeight);
        // Report units are not square: 110 across and 100 down to the inch.
        const QSize logo =
            QSize(brand.logo.width() * 110, brand.logo.height() * 100).scaled(area, Qt::KeepAspectRatio);
        dc.DrawImage(QRect(Right - logo.width(), top, logo.width(), logo.height()), brand.logo);
        nameRight = Right - logo.width() - LogoGap;
    }
    if (brand.company.isEmpty() || nameRight <= BrandLeft)
        return;
    constexpr auto RightAligned = DrawContext::TextFormat::Right | DrawContext::TextFormat::VCenter |
                                  DrawContext::TextFormat::SingleLine;
    const int width = nameRight - BrandLeft;
    if (dc.TextWidth(brand.company) <= width) {
        dc.DrawTextIn(Edges(BrandLeft, top, nameRight, top + TitleHeight), brand.company, RightAligned);
        return;
    }
    // Too long for the line: two lines of a smaller face, each narrowed
    // further where it still does not fit, so that the name always shows.
    QFont twoLines = dc.Font();
    twoLines.setPixelSize(std::max(1, twoLines.pixelSize() * 2 / 3));
    QStringList lines = EditControlLines(brand.company, QFontMetricsF(twoLines), width);
    if (lines.size() > 2) // the second line takes the rest
        lines = QStringList{
            lines.front(),
            brand.company.mid(brand.company.indexOf(lines.front()) + lines.front().size()).trimmed()};
    const int lineHeight = TitleHeight / 2;
    for (int i = 0; i < lines.size(); ++i) {
        dc.SetFont(twoLines);
        dc.SetFont(NarrowedToFit(twoLines, dc.TextWidth(lines[i]), width));
        const int lineTop = top + i * lineHeight + (lines.size() == 1 ? lineHeight / 2 : 0);
        dc.DrawTextIn(Edges(BrandLeft, lineTop, nameRight, lineTop + lineHeight), lines[i], RightAligned);
    }
}
