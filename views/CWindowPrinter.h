#pragma once

#include <QPageLayout>

#include <QSize>
#include <QString>

class QWidget;

// Prints a picture of a window on one page: the trace tabs have no report,
// so Print prints what their page shows.
class CWindowPrinter
{
public:
    // Null texts select the defaults: "打印结果" (print result) and
    // "无法打印指定屏幕!" (the given screen cannot be printed).
    CWindowPrinter(const char* title = nullptr, const char* errorText = nullptr);
    virtual ~CWindowPrinter() = default;

    // The window's client area on one page, through the print dialog when
    // `showDialog` in `orientation` (the one print setup chose), otherwise on
    // the default printer, landscape. With
    // `fitToPage` the picture fills the page's width (or height) at its own
    // aspect; without, it keeps the share of the page that the window has of
    // the screen. A picture that cannot be taken, or a printer that cannot
    // print it, shows the error text; a cancelled dialog shows nothing.
    void PrintWindowImage(QWidget* window, bool fitToPage, bool showDialog,
                          QPageLayout::Orientation orientation = QPageLayout::Portrait);

    // The size of the picture on a page of `page` device pixels, for a capture
    // of `captured` pixels on a screen of `screen` pixels.
    static QSize PictureSize(const QSize& screen, const QSize& captured, const QSize& page, bool fitToPage);

    bool m_Enabled = true; // printing is allowed
    QString m_ErrorText;
    QString m_Title; // the error's caption and the print document's name
};
