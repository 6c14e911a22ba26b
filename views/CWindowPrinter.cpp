#include "views/CWindowPrinter.h"

#include "platform/ui/Prompts.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QScreen>
#include <QWidget>

CWindowPrinter::CWindowPrinter(const char* title, const char* errorText)
    : m_ErrorText(errorText ? QString::fromUtf8(errorText)
                            : QStringLiteral("\u65E0\u6CD5\u6253\u5370\u6307\u5B9A\u5C4F\u5E55!")),
      m_Title(title ? QString::fromUtf8(title) : QStringLiteral("\u6253\u5370\u7ED3\u679C"))
{
}

QSize CWindowPrinter::PictureSize(const QSize& screen, const QSize& captured, const QSize& page,
                                  bool fitToPage)
{
    const double sw = screen.width(), sh = screen.height();
    const double bw = captured.width(), bh = captured.height();
    const double pw = page.width(), ph = page.height();
    if (sw <= 0 || sh <= 0 || pw <= 0 || ph <= 0 || bw <= 0 || bh <= 0)
        return QSize();
    const double rs = sw / sh, rp = pw / ph;
    double sx, sy;
    if (rs <= rp) {
        sx = (bw / sw) * (rs / rp);
        sy = bh / sh;
    } else {
        sx = bw / sw;
        sy = (bh / sh) * (rp / rs);
    }
    if (fitToPage) {
        sy = sy / sx;
        sx = 1.0;
    }
    if (sx > 1.0) {
        sy = sy / sx;
        sx = 1.0;
    }
    if (sy > 1.0) {
        sx = sx / sy;
        sy = 1.0;
    }
    // Truncated, but a size that comes out whole (2880, not 2879.9999...) by
    // exact arithmetic keeps its last pixel.
    const auto whole = [](double pixels) { return static_cast<int>(pixels + 1e-6); };
    return QSize(whole(pw * sx), whole(ph * sy));
}

void CWindowPrinter::PrintWindowImage(QWidget* window, bool fitToPage, bool showDialog,
                                      QPageLayout::Orientation orientation)
{
    const auto fail = [&] {
        Prompts::Current().Message(window, m_ErrorText, m_Title, MessageButtons::Ok, MessageIcon::Error);
    };
    const QScreen* screen = window ? window->screen() : nullptr;
    if (!screen) {
        fail();
        return;
    }
    // The page is grabbed from the window itself, not from the screen, so a
    // window partly off the screen or covered is still whole; what lies
    // beyond the screen's size is left out, as the screen could not show it.
    const QSize screenSize = screen->geometry().size();
    const QSize captured = window->size().boundedTo(screenSize);
    const QPixmap picture = window->grab(QRect(QPoint(0, 0), captured));
    if (picture.isNull()) {
        fail();
        return;
    }

    // The system's default printer: a printer chosen for the reports is not
    // preselected here.
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_Title);
    if (showDialog) {
        printer.setPageOrientation(orientation);
        if (!Prompts::Current().PrintDialog(window, printer, 0, 0))
            return;
    } else {
        printer.setPageOrientation(QPageLayout::Landscape);
    }
    if (!m_Enabled)
        return;

    const QSize size = PictureSize(screenSize, captured, QSize(printer.width(), printer.height()), fitToPage);
    QPainter painter;
    if (size.isEmpty() || !painter.begin(&printer)) {
        fail();
        return;
    }
    painter.drawPixmap(QRect(QPoint(0, 0), size), picture, picture.rect());
    painter.end();
}
