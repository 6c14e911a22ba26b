#pragma once

#include "platform/draw/DrawContext.h"

#include <QLine>
#include <QString>

#include <optional>
#include <vector>

// A DrawContext that draws nothing and records what was drawn, in logical
// coordinates, for tests of painters. Text widths are a fixed 8 units per
// character so layouts are predictable. Its device is a page of 8 x 10.5
// inches at 600 dots per inch unless a test gives another.
class RecordingDrawContext : public DrawContext
{
public:
    struct Line
    {
        QLine line;
        QColor color;
    };
    struct Text
    {
        QPoint at;  // TextAt: top-left; DrawTextIn: the rectangle's top-left
        QRect rect; // DrawTextIn only
        QString text;
        QColor color;
        std::optional<TextFormat> format; // DrawTextIn only
        QFont font;
    };
    struct Image
    {
        QRect rect;
        QSize size; // the image's own
    };
    struct Fill
    {
        QRect rect;
        QColor color;
    };

    static constexpr int CharWidth = 8;

    void SetDevice(const QSize& deviceSize, const QSize& dotsPerInch);

    QSize DeviceSize() const override { return m_DeviceSize; }
    QSize DotsPerInch() const override { return m_DotsPerInch; }
    void SetPen(const QColor& color, int width = 1) override;
    void SetFont(const QFont& font) override;
    QFont Font() const override { return m_Font; }
    void SetTextColor(const QColor& color) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void DrawRectangle(const QRect& rect) override;
    void FillRect(const QRect& rect, const QColor& color) override;
    void TextAt(int x, int y, const QString& text) override;
    void DrawTextIn(const QRect& rect, const QString& text, TextFormat format) override;
    int TextWidth(const QString& text) const override;
    void DrawImage(const QRect& rect, const QImage& image) override;
    void SetMapping(const QRect& window, const QRect& viewport) override;
    QPoint LogicalToDevice(const QPoint& point) const override;

    const std::vector<Line>& Lines() const { return m_Lines; }
    const std::vector<Text>& Texts() const { return m_Texts; }
    const std::vector<Fill>& Fills() const { return m_Fills; }
    const std::vector<QRect>& Rectangles() const { return m_Rectangles; }
    const std::vector<Image>& Images() const { return m_Images; }
    const QRect& Window() const { return m_Window; }
    const QRect& Viewport() const { return m_Viewport; }

    std::vector<Line> LinesOfColor(const QColor& color) const;
    const Text* FirstText(const QString& text) const; // the first text that reads `text`, or nullptr

private:
    QSize m_DeviceSize{8 * 600, 21 * 300};
    QSize m_DotsPerInch{600, 600};
    QColor m_PenColor = Qt::black;
    QColor m_TextColor = Qt::black;
    QFont m_Font;
    QPoint m_Current;
    QRect m_Window;
    QRect m_Viewport;
    std::vector<Line> m_Lines;
    std::vector<Text> m_Texts;
    std::vector<Fill> m_Fills;
    std::vector<QRect> m_Rectangles;
    std::vector<Image> m_Images;
};
