#include "views/CReportListPage.h"

#include "views/ReportListModel.h"
#include "views/ReportListView.h"

#include <QHeaderView>
#include <QScrollBar>

CReportListPage::CReportListPage(QWidget* parent)
    : QWidget(parent), m_List(new ReportListView(this)), m_Model(new ReportListModel(this))
{
    m_List->setObjectName("list1001");
    m_List->setModel(m_Model);
    // The list fills its page edge to edge; its columns share what the
    // vertical scroll bar leaves of the page's width, so they fit without a
    // horizontal one.
    m_List->setFrameShape(QFrame::NoFrame);
    m_List->setShowGrid(true);
    m_List->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_List->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_List->setAlternatingRowColors(false);
    m_List->setWordWrap(false);
    m_List->verticalHeader()->hide();
    m_List->verticalHeader()->setDefaultSectionSize(m_List->fontMetrics().height() + 6);
    m_List->horizontalHeader()->setHighlightSections(false);
    m_List->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_List->horizontalHeader()->setStretchLastSection(false);
    connect(m_List, &ReportListView::VisibleWidthChanged, this, &CReportListPage::SizeColumns);
}

void CReportListPage::BuildColumns()
{
    m_Model->SetColumns(ColumnTitles());
    // A hidden page lays out its list only when shown, so the width is
    // taken from the page; the list tells its own once it is laid out.
    const QScrollBar* bar = m_List->verticalScrollBar();
    SizeColumns(width() - (bar->isVisibleTo(m_List) ? bar->width() : 0));
}

void CReportListPage::SizeColumns(int visibleWidth)
{
    const int count = m_Model->columnCount();
    for (int column = 0; column < count; ++column)
        m_List->setColumnWidth(column, visibleWidth / count);
}

int CReportListPage::RowCount() const
{
    return m_Model->rowCount();
}

QString CReportListPage::CellText(int row, int column) const
{
    return m_Model->data(m_Model->index(row, column)).toString();
}

void CReportListPage::ClearRows()
{
    m_Model->ClearRows();
}

void CReportListPage::InsertRow(int row, const std::string& number)
{
    // Rows arrive in order; a row past the end is appended, as the list does.
    Q_UNUSED(row);
    m_Model->AppendRow(QString::fromLatin1(number.c_str()));
}

void CReportListPage::SetCell(int row, int column, const std::string& text)
{
    m_Model->SetCell(row, column, NameText(text));
}

void CReportListPage::ReplaceRows(std::vector<QStringList> rows)
{
    m_Model->ReplaceRows(std::move(rows));
}

void CReportListPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The list fills its page.
    m_List->setGeometry(rect());
}
