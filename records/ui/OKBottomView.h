#pragma once

#include "platform/ui/DialogView.h"
#include "platform/ui/FieldBinder.h"

#include <QStyle>

class QIcon;
class TOKBottomDlg;

// The common part of the record dialogs' views: OK (default), Cancel
// (Escape), "&Help" on the form's help topic, the category picture and the
// record's picture. The form's widgets are found by their names: OKBtn,
// CancelBtn, HelpBtn, CatSelect, Image1.
class TOKBottomView : public TDialogView {
public:
    TOKBottomView(TOKBottomDlg& presenter, QDialog* dialog);

protected:
    // Call after the form is set up: wires the common buttons, shows the
    // item picture at imageIndex (the desktop theme's picture, else the
    // style's, when the main window's pictures are not available) and fixes
    // the dialog's size.
    void SetUpCommon(int imageIndex, const char* themeIcon, QStyle::StandardPixmap fallback);
    void Fill() override;

    TFieldBinder Fields;

private:
    TOKBottomDlg& FOwner;
};

// The window a dialog opened now belongs to: the modal dialog it opens from,
// else the factory's parent.
QWidget* DialogParent(QWidget* parent);
