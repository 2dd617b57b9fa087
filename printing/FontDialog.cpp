#include "printing/FontDialog.h"

bool TFontDialog::Execute(TReportFont& font) {
    TFontDialog dialog;
    dialog.Font = font;
    if (dialog.ShowModal() != mrOk) return false;
    font = dialog.Font;
    return true;
}
