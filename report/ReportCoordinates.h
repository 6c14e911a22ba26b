#pragma once

#include <QSize>

// Report coordinates: a window of 1440 x 900 units mapped anisotropically,
// 110 units to the inch across and 100 down.
constexpr int ReportWindowWidth = 1440;
constexpr int ReportWindowHeight = 900;
constexpr int ReportUnitsPerInchAcross = 110;
constexpr int ReportUnitsPerInchDown = 100;

// The viewport, in device pixels, that the window maps onto at a resolution
// of `dotsPerInch`: each side a truncated integer quotient.
QSize ReportViewportExtent(const QSize& dotsPerInch);
