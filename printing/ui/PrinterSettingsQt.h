#pragma once

#include "printing/PrinterSetupDlg.h"

class QPrinter;

// The printer setup kept in "kex.ini" and the QPrinter reports print on.
namespace printersettings {

// A printer that is no longer installed is not chosen; a paper is found by
// its key, else by its size.
void Apply(QPrinter& printer, const TPrinterSettings& settings);
TPrinterSettings Of(const QPrinter& printer);

} // namespace printersettings
