#include "data/CDataStore.h"
#include "report/CReport.h"
#include "report/ReportDrawing.h"
#include "report/ReportFonts.h"

namespace {
constexpr int Left = 80;
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

// A label at x and the field's value after it and one space.
void Labelled(DrawContext& dc, int x, int y, const QString& label, const std::string& value)
{
    dc.TextAt(x, y, label);
    dc.TextAt(x + dc.TextWidth(label + QLatin1Char(' ')), y, QString::fromStdString(value));
}

// Rows of labelled values from y on; returns the y of the last row.
template <size_t N> int PrintRows(DrawContext& dc, int y, const Row (&rows)[N], const InfoFields& fields)
{
    for (size_t i = 0; i < N; ++i, y += RowStep) {
        Labelled(dc, Left, y, rows[i].label, fields.*rows[i].field);
        if (rows[i].rightLabel)
            Labelled(dc, RightLabels, y, rows[i].rightLabel, fields.*rows[i].rightField);
    }
    return y - RowStep;
}
} // namespace

int32_t CReport::PrintReportHeader(DrawContext& dc, const std::string& cableId) const
{
    static const Row JobRows[] = {
        {"Job ID:", &InfoFields::JobId, "Date:", &InfoFields::JobDate},
        {"Reason:", &InfoFields::Reason, nullptr, nullptr},
        {"Contractor:", &InfoFields::Contractor, "Operator A:", &InfoFields::OperatorA},
        {"Customer:", &InfoFields::Customer, "Operator B:", &InfoFields::OperatorB},
        {"Custom job 1:", &InfoFields::CustomJob1, "Custom job 2:", &InfoFields::CustomJob2},
    };
    static const Row CableRows[] = {
        {"Cable ID:", &InfoFields::CableId, nullptr, nullptr},
        {"Location A:", &InfoFields::LocationA, "Location B:", &InfoFields::LocationB},
        {"Cable Mfr.:", &InfoFields::CableMfr, "Cable Type:", &InfoFields::CableType},
        {"Custom cable 1:", &InfoFields::CustomCable1, "Custom cable 2:", &InfoFields::CustomCable2},
    };
    // The cable is the group's, whatever the information field holds.
    InfoFields fields = m_Store.m_InfoFields;
    fields.CableId = cableId;
    const QFont body = MakeReportFont(ReportFont::Body);
    const QFont section = MakeReportFont(ReportFont::Section);

    SelectedFont restored(dc, ReportFont::Title);
    int y = 60;
    dc.TextAt(Left, y, QStringLiteral("KAV Report"));
    dc.SetFont(MakeReportFont(ReportFont::Brand));
    const QString brand = QStringLiteral("CorvantaTech");
    dc.TextAt(Left + Width - 20 * (static_cast<int>(brand.size()) + 1), y, brand);

    Rule(dc, y += TitleToRule);
    dc.SetFont(section);
    dc.TextAt(Left, y += RuleToSection, QStringLiteral("Job Information"));
    dc.SetFont(body);
    y = PrintRows(dc, y + SectionToRow, JobRows, fields);

    Rule(dc, y += LastRowToRule);
    dc.SetFont(section);
    dc.TextAt(Left, y += RuleToNextSection, QStringLiteral("Cable Information"));
    dc.SetFont(body);
    y = PrintRows(dc, y + SectionToRow, CableRows, fields);

    Rule(dc, y += LastRowToRule);
    dc.SetFont(section);
    dc.TextAt(Left, y += RuleToNextSection, QStringLiteral("System Information"));
    dc.SetFont(body);
    y += TallSectionToRow;
    dc.TextAt(UnitA, y, QStringLiteral("Unit A"));
    dc.TextAt(UnitB, y, QStringLiteral("Unit B"));
    y += RowStep;
    dc.TextAt(Left, y, QStringLiteral("Unit Name:"));
    dc.TextAt(UnitA, y, QString::fromStdString(fields.UnitNameA));
    dc.TextAt(UnitB, y, QString::fromStdString(fields.UnitNameB));
    y += RowStep;
    dc.TextAt(Left, y, QStringLiteral("Serial Number:"));
    dc.TextAt(UnitA, y, QString::fromStdString(fields.SerialNumberA));
    dc.TextAt(UnitB, y, QString::fromStdString(fields.SerialNumberB));

    Rule(dc, y += LastRowToRule);
    dc.SetFont(section);
    dc.TextAt(Left, y += RuleToNextSection, QStringLiteral("KAV FTTx"));
    return y + TallSectionToRow;
}
