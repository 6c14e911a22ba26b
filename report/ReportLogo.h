#pragma once

#include <QImage>

#include <cstddef>
#include <optional>
#include <string>

// The largest logo file and picture: far more than a logo needs, and little
// enough that reading and drawing one takes no noticeable time or memory.
constexpr size_t LargestLogoFile = size_t{10} * 1000 * 1000;
constexpr int LargestLogoSide = 10000; // pixels

struct ReportLogo
{
    std::optional<QImage> image; // nothing: refused
    std::string error;           // why, in one line
};

// A PNG or SVG file as the picture the header draws: a regular file only,
// read without waiting, no larger than the limits above. An SVG is drawn
// from its own bytes alone (SvgLogoProblem says what it may hold), large
// enough to print sharply; either on white, since an archived PDF holds no
// transparency. Drawing an SVG's text takes the fonts of a QGuiApplication,
// which must exist by then.
ReportLogo ReadReportLogo(const std::string& path);
