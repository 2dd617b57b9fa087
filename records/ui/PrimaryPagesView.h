#pragma once

#include "platform/ui/DialogView.h"
#include "platform/ui/FieldBinder.h"

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class TCategoryPicture;
class TPrimaryPagesDlg;
class TPrimaryPagesWidget;

// What the person and organization views share: title, comment, pictures,
// buttons and the five pages of primary items over TPrimaryPagesDlg. A
// derived view builds its form, then calls Bind with the shared widgets.
class TPrimaryPagesView : public TDialogView {
public:
    TModalResult ShowModal() override;

protected:
    TPrimaryPagesView(TPrimaryPagesDlg& presenter, QWidget* parent);

    struct TShared {
        QLineEdit* Title;
        QLineEdit* Comment;
        QLabel* Image1;
        TCategoryPicture* CatSelect;
        TPrimaryPagesWidget* Pages;
        QPushButton* OKBtn;
        QPushButton* CancelBtn;
        QPushButton* HelpBtn;
    };
    // upper: the upper panel's fields in tab order (the pages and buttons follow).
    void Bind(const TShared& shared, const std::vector<QWidget*>& upper);

    void Fill() override;

    // The format list named sender changed.
    virtual void FormatChanged(const std::string& sender) = 0;

    // The shared fields after Bind; a derived view adds its own.
    TFieldBinder Fields;

private:
    TPrimaryPagesDlg& P;
    TShared W{};
};
