#pragma once

#include <QImage>
#include <QString>

// Whose report it is: the contractor's company and logo, which take the
// place of the maker's name at the head of the loss-test report.
struct ReportBrand
{
    QString company; // empty: none
    QImage logo;     // null: none
};
