#pragma once

#include <QImage>
#include <QString>

#include <optional>
#include <string>

// Whose report it is: the contractor's company and logo, which take the
// place of the maker's name at the head of the loss-test report.
struct ReportBrand
{
    QString company; // empty: none
    QImage logo;     // null: none
};

struct ReportLogo
{
    std::optional<QImage> image; // nothing: refused
    std::string error;           // why
};

// A PNG or SVG file as the picture the header draws: an SVG drawn large
// enough to print sharply, either on white, since an archived PDF holds no
// transparency.
ReportLogo ReadReportLogo(const std::string& path);
