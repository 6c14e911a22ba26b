#include "report/ReportFonts.h"

#include "platform/draw/DrawContext.h"

#include <QFontMetricsF>
#include <QStringList>

#include <array>
#include <cmath>

namespace {
struct FontShape
{
    bool table; // the table font's face, else "Arial"
    int height;
    int width;
    int weight;
};

// Face, height, width and weight of each ReportFont, in its order.
constexpr std::array<FontShape, 9> Shapes{{
    {true, 20, 7, 400},   // Table
    {false, 30, 16, 900}, // Title
    {false, 30, 16, 600}, // Brand
    {false, 20, 12, 500}, // Section
    {false, 16, 7, 500},  // Body
    {false, 12, 7, 900},  // Heading
    {false, 12, 8, 900},  // HeavyCell
    {false, 12, 7, 100},  // ThinCell
    {false, 10, 4, 400},  // Footer
}};

// The faces the reports name come first; where a system lacks them, faces
// with the same metrics stand in ("Liberation Sans" has Arial's widths; the
// table font's face, SimHei, draws Latin letters at a fixed half width, as
// "WenQuanYi Micro Hei Mono" does). A translated report's Chinese texts
// take their glyphs from WenQuanYi Micro Hei; Latin letters still come from
// the faces before it. The project's install script installs them all.
QStringList Faces(bool table)
{
    if (table)
        return {QStringLiteral("\u9ED1\u4F53"), QStringLiteral("SimHei"),
                QStringLiteral("WenQuanYi Micro Hei Mono")};
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
            QStringLiteral("WenQuanYi Micro Hei")};
}

QFont BaseFont(const FontShape& shape, int pixelSize)
{
    QFont font;
    font.setFamilies(Faces(shape.table));
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(shape.weight));
    // Text is laid out from its advances alone, as on the printers the
    // layout was made for, and scales linearly to any resolution.
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The average character width as the width of a font is matched: lower-case
// letters and the space, weighted by how often they occur in English text.
double AverageWidth(const QFontMetricsF& metrics)
{
    static const int weights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                    56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};
    double sum = 0;
    for (int i = 0; i < 26; ++i)
        sum += weights[i] * metrics.horizontalAdvance(QChar('a' + i));
    sum += weights[26] * metrics.horizontalAdvance(QChar(' '));
    return sum / 1000.0;
}

struct Resolved
{
    int pixelSize;
    int stretch; // percent
};

// The pixel size that gives the shape's cell height and the stretch that
// gives its average width, measured once on a large size of the face.
Resolved Resolve(const FontShape& shape)
{
    constexpr int Reference = 200;
    const QFontMetricsF metrics(BaseFont(shape, Reference));
    const int pixelSize =
        std::max(1, static_cast<int>(std::lround(shape.height * Reference / metrics.height())));
    const double natural = AverageWidth(metrics) * pixelSize / Reference;
    const int stretch = natural > 0 ? static_cast<int>(std::lround(100.0 * shape.width / natural)) : 100;
    return {pixelSize, std::clamp(stretch, 1, 4000)};
}
} // namespace

QFont MakeReportFont(ReportFont which)
{
    // Measured once per run: a report selects its fonts thousands of times.
    static std::array<Resolved, Shapes.size()> resolved{};
    const FontShape& shape = Shapes[static_cast<size_t>(which)];
    Resolved& r = resolved[static_cast<size_t>(which)];
    if (r.pixelSize == 0)
        r = Resolve(shape);
    QFont font = BaseFont(shape, r.pixelSize);
    font.setStretch(r.stretch);
    return font;
}

SelectedFont::SelectedFont(DrawContext& dc, ReportFont font) : m_Dc(dc), m_Previous(dc.Font())
{
    m_Dc.SetFont(MakeReportFont(font));
}

SelectedFont::~SelectedFont()
{
    m_Dc.SetFont(m_Previous);
}
