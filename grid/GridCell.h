#pragma once

#include "grid/BitFlags.h"
#include "grid/GridFormat.h"
#include "grid/GridItem.h"

#include <QString>
#include <QtGlobal>

// Where a cell stands in a merged block.
enum class MergeFlag : quint8
{
    ContinuesRight = 0x1, // the right border lies inside a merged block
    ContinuesDown = 0x2,  // the bottom border lies inside a merged block
    Covered = 0x4,        // covered by another cell's merge
};

template <> struct BitFlagsEnabled<MergeFlag> : std::true_type
{
};

// One cell of the grid. Millions of them live in one contiguous array, so a
// cell keeps only its text and small fields; colours and fonts are indices
// into tables the grid shares among all its cells (0 = the grid's own).
class CGridCell
{
public:
    QString m_Text;
    qint32 m_MergeAttr = 0; // non-zero makes the merged cells read-only
    // On a block's first cell: the extra rows and columns it spans. On a
    // covered cell: the row and column of the block's first cell.
    qint32 m_MergeRow = 0;
    qint32 m_MergeCol = 0;
    CellFormat m_Format{};
    quint16 m_FontIndex = 0;
    quint16 m_BkColourIndex = 0;
    quint16 m_FgColourIndex = 0;
    qint16 m_Image = -1;
    CellState m_State{};
    MergeFlag m_MergeFlags{};

    bool IsCovered() const { return Has(m_MergeFlags, MergeFlag::Covered); }
    bool ContinuesToRight() const { return Has(m_MergeFlags, MergeFlag::ContinuesRight); }
    bool ContinuesBelow() const { return Has(m_MergeFlags, MergeFlag::ContinuesDown); }
    int ExtraRows() const { return IsCovered() ? 0 : m_MergeRow; }
    int ExtraColumns() const { return IsCovered() ? 0 : m_MergeCol; }
    bool IsMerged() const { return IsCovered() || m_MergeRow != 0 || m_MergeCol != 0; }
    void ClearMerge()
    {
        m_MergeAttr = 0;
        m_MergeRow = 0;
        m_MergeCol = 0;
        m_MergeFlags = {};
    }
};

static_assert(sizeof(CGridCell) <= 48, "a cell must stay compact: millions of them are kept");
