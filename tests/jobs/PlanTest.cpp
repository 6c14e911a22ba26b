#include "jobs/JobPlan.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>
#include <xlsxwriter.h>

// A job's plan from a template, a CSV file or a workbook.

namespace {
std::string Shown(const PlanReading& reading)
{
    if (!reading.plan)
        return "refused: " + reading.error;
    const std::vector<PlanFibre>& f = reading.plan->fibres;
    std::string text = std::to_string(f.size());
    for (const PlanFibre* fibre : {&f.front(), &f.back()})
        text += " " + fibre->cable + "/" + fibre->fiber;
    return text;
}
} // namespace

TEST(PlanTemplate, ExpandsRangesOfNumbersAndLettersOrSaysWhatIsWrong)
{
    const struct
    {
        const char* plan;
        const char* shown; // the count, the first and the last fibre
    } cases[] = {
        {"CAB-{01..12}/F{001..144}", "1728 CAB-01/F001 CAB-12/F144"},
        {"CAB-7/F{1..3}", "3 CAB-7/F1 CAB-7/F3"},
        {"R{A..C}-{1..2}/S{9..10}", "12 RA-1/S9 RC-2/S10"},
        {"X/{3..1}", "3 X/3 X/1"},
        {"X/{1..012}", "12 X/001 X/012"},
        {"X/a/b", "1 X/a/b X/a/b"},
        {"CAB-01", "refused: a template is CABLE/FIBER, such as CAB-{01..12}/F{001..144}"},
        {"/F1", "refused: a template is CABLE/FIBER, such as CAB-{01..12}/F{001..144}"},
        {"C{1..}/F1", "refused: {1..} is not a range of numbers or of letters"},
        {"C{a..Z}/F1", "refused: {a..Z} is not a range of numbers or of letters"},
        {"C{1..3/F1", "refused: a \"{\" without a range {first..last}"},
        {"C}/F1", "refused: a \"}\" without its \"{\""},
        {"C{1..2000}/F{1..1000}", "refused: the template makes more than 1000000 fibres"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(PlanFromTemplate(c.plan)), c.shown) << c.plan;
}

TEST(PlanTable, ReadsTheCableAndFiberColumnsOfACsvFile)
{
    ScratchFolder dir;
    const struct
    {
        const char* name;
        std::string bytes;
        const char* shown;
    } cases[] = {
        // A spreadsheet's semicolons, a byte order mark, a quoted field, spaces, an empty row.
        {"semicolons.csv",
         "\xEF\xBB\xBFNote;Cable;Fibre\r\nx;CAB-01; F001 \r\n\r\n\"a;\"\"b\";CAB-02;F002\r\n",
         "2 CAB-01/F001 CAB-02/F002"},
        // GB18030 names read as the records' are.
        {"gb.CSV", "Cable,Fiber\n\xB9\xE2\xC0\xC2,1",
         "1 \xE5\x85\x89\xE7\xBC\x86/1 \xE5\x85\x89\xE7\xBC\x86/1"},
        {"no-columns.csv", "\n\nCable,Core\nA,1\n", "refused: row 3 names no Cable and Fiber columns"},
        {"no-fiber.csv", "Cable,Fiber\nA,1\nB,\n", "refused: row 3 lacks its fiber"},
    };
    for (const auto& c : cases) {
        WriteBytes(dir.File(c.name), c.bytes);
        EXPECT_EQ(Shown(ReadPlan(dir.File(c.name))), c.shown) << c.name;
    }
    EXPECT_EQ(Shown(ReadPlan(dir.File("missing.csv"))).rfind("refused: cannot be read", 0), 0u);
}

TEST(PlanTable, ReadsTheFirstSheetOfAWorkbookWithSharedOrInlineStrings)
{
    ScratchFolder dir;
    for (const bool inlineStrings : {false, true}) {
        const std::string path = dir.File(inlineStrings ? "inline.xlsx" : "shared.XLSX");
        lxw_workbook_options options{};
        options.constant_memory = inlineStrings ? LXW_TRUE : LXW_FALSE;
        lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
        lxw_worksheet* sheet = workbook_add_worksheet(book, "Plan");
        workbook_add_worksheet(book, "Other");
        worksheet_write_string(sheet, 0, 1, "Cable", nullptr);
        worksheet_write_string(sheet, 0, 2, "FIBER", nullptr);
        worksheet_write_string(sheet, 1, 1, "CAB-01", nullptr);
        worksheet_write_number(sheet, 1, 2, 7, nullptr);
        worksheet_write_string(sheet, 3, 1, "CAB-02", nullptr);
        worksheet_write_string(sheet, 3, 2, "F002", nullptr);
        ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
        EXPECT_EQ(Shown(ReadPlan(path)), "2 CAB-01/7 CAB-02/F002") << path;
    }
    WriteBytes(dir.File("text.xlsx"), "Cable,Fiber\n");
    EXPECT_EQ(Shown(ReadPlan(dir.File("text.xlsx"))),
              "refused: it is not an Excel workbook (.xlsx) or cannot be read");
}
