#pragma once

#include "report/ReportPage.h"

class QPainter;

// Draws laid-out report pages with Qt.
class TReportPainter {
public:
    // Paints a page on a painter whose origin is the paper's top-left corner
    // (a PDF writer, or a printer set to its full page).
    static void Paint(QPainter& painter, const TReportPage& page);
};
