#include "report/ReportDrawing.h"

#include "platform/draw/TextFitting.h"

void DrawCentred(DrawContext& dc, const QRect& rect, const QString& text)
{
    const QFont font = dc.Font();
    const FittedValue fitted = FitCentredValue(font, text, dc.TextWidth(text), rect.width());
    if (fitted.font == font) {
        dc.DrawTextIn(rect, fitted.text, Centred);
        return;
    }
    dc.SetFont(fitted.font);
    dc.DrawTextIn(rect, fitted.text, Centred);
    dc.SetFont(font);
}
