#pragma once

#include "platform/draw/ShapedTextCache.h"
#include "report/CReportPrinting.h"

#include <QImage>
#include <QPageLayout>
#include <QWidget>

#include <functional>

class CDataStore;
class QLabel;
class QScrollArea;
class QSpinBox;

// The print preview of a report: one page at a time, painted when it comes
// into view by the same painters that print it, on the paper of the printer
// setup. A report of thousands of pages opens at once. It keeps the rest of
// the program waiting while it is open, so the records it shows stay as
// they are.
class CPrintPreview : public QWidget
{
    Q_OBJECT

public:
    // `print` runs the view's Print of the same report, with the preview as
    // the owner of its dialogs.
    CPrintPreview(const CDataStore& store, ReportKind kind, const ReportOptions& options,
                  const QPageLayout& paper, std::function<void(QWidget*)> print, QWidget* parent = nullptr);

    unsigned PageCount() const { return m_PageCount; }
    unsigned CurrentPage() const { return m_Page; }
    // 1 shows the paper at its real size on the screen.
    double Zoom() const { return m_Zoom; }
    // The current page as painted on the screen.
    const QImage& PageImage() const { return m_Image; }

    void ShowPage(unsigned page); // kept within 1 .. the page count
    void NextPage() { ShowPage(m_Page + 1); }
    void PreviousPage() { ShowPage(m_Page > 1 ? m_Page - 1 : 1); }
    void FirstPage() { ShowPage(1); }
    void LastPage() { ShowPage(m_PageCount); }
    void SetZoom(double zoom);
    void ZoomIn();
    void ZoomOut();
    void FitWidth();
    void FitPage();
    void Print();

signals:
    // The preview closes; the page it painted last, unless a print from it
    // painted since.
    void Closing(unsigned lastPainted);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Fit
    {
        None,
        Width,
        Page
    };
    void CreateToolBar();
    // Paints the current page at the current zoom.
    void Render();
    QSizeF PaperInches() const;
    double FitZoom(Fit fit) const;

    CReportPrinting m_Job;
    QPageLayout m_Paper;
    std::function<void(QWidget*)> m_Print;
    ShapedTextCache m_Shapes;
    unsigned m_PageCount;
    unsigned m_Page = 1;
    bool m_PaintedSincePrint = false;
    double m_Zoom = 1.0;
    Fit m_Fit = Fit::Page;
    QImage m_Image;
    QScrollArea* m_Scroll = nullptr;
    QLabel* m_PageView = nullptr;
    QSpinBox* m_PageBox = nullptr;
};
