#pragma once

#include "platform/FormPresenter.h"
#include "report/ReportFont.h"

#include <string>

// The desktop's font dialog: it opens on Font and leaves the chosen font
// there on OK.
class TFontDialog : public TFormPresenter {
public:
    TFontDialog() { Caption = "Font"; }
    std::string FormName() const override { return "TFontDialog"; }

    TReportFont Font;

    // Runs the dialog on font; true when the user chose one (font holds it).
    static bool Execute(TReportFont& font);
};
