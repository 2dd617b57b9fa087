#pragma once

#include "platform/ui/DialogView.h"
#include "platform/ui/FieldBinder.h"

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QWidget;
class TMaskEdit;
class TReportForm;
struct TReportFont;

// "Print Reports" over TReportForm: the report type, its page of settings
// and the Preview, Print and Close buttons. Every control writes what the
// user changes into the presenter at once; a refresh leaves controls that
// already show their value alone, so the user's place in them is kept.
class TReportFormView : public TDialogView {
public:
    TReportFormView(TReportForm& presenter, QWidget* parent);

    // The sample text of a font as the pages show it: its face and, when
    // the report uses its size, the size.
    static QString FontSample(const TReportFont& font, bool withSize);

protected:
    void Fill() override;

private:
    QWidget* ListingPage();
    QWidget* EnvelopePage();
    QWidget* BookPage();
    QWidget* LabelPage();
    QWidget* SimplePage();

    // Orientation, margins and typeface, as the list and book pages have them.
    struct TPageFields {
        bool* Portrait;
        std::string *Top, *Bottom, *Left;
        const TReportFont* Face;
        const char* Name; // the suffix of the controls' names ("1", "2", "3")
        const char* FontButton;
        const char* FontSample;
        std::function<void()> Choose;
    };
    QWidget* PageSettings(const TPageFields& f);

    // Controls bound to presenter fields: filled by Fill, written back when
    // the user changes them.
    QLineEdit* Text(const char* name, std::string& field);
    TMaskEdit* Masked(const char* name, const char* mask, std::string& field);
    QPlainTextEdit* Lines(const char* name, std::string& field);
    QSpinBox* Spin(const char* name, int min, int max, int& field);
    QCheckBox* Check(const char* name, const QString& caption, bool& field);
    QWidget* Orientation(const char* suffix, bool& portrait);
    QWidget* FontRow(const char* sample, const char* button, const TReportFont& font, bool withSize,
                     std::function<void()> choose);
    QPushButton* Button(const char* name, const QString& caption, std::function<void()> click);

    TReportForm& P;
    TFieldBinder Fields;
    QComboBox* FType = nullptr;
    QLabel* FNodeId = nullptr;
    QStackedWidget* FPages = nullptr;
    QListWidget* FLabelList = nullptr;
    QSpinBox* FStartLabel = nullptr;
};

void RegisterReportFormView();
