#pragma once

#include "report/ReportPrinter.h"

#include <memory>

// The printer of merrowin-cli print: Qt's report printer on the offscreen
// platform (cli/ui/), writing PDF files only. nullptr in a build without the
// Qt front end.
std::unique_ptr<IReportPrinter> MakePdfPrinter();
