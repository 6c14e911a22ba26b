#pragma once

// What a print job tells its page painters, as the print loop fills it in.
struct PrintInfo
{
    unsigned m_CurrentPage = 1; // the page being painted, from 1
    unsigned m_MaxPage = 0;     // the report's page count
    // The report coordinates shrink by this factor, the same across and
    // down, on a page too small for the layout; 1 where it fits.
    double m_Scale = 1.0;
};
