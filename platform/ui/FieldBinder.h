#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLabel;
class QListWidget;
class QSpinBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Ties a view's widgets to its presenter's fields. Fill() shows the fields;
// an edit is written back into its field as it happens, so the presenter's
// handlers always read what the widgets show. Two rules keep the user's data:
// - a field the user never touches keeps its stored bytes exactly: no
//   re-encoding of Windows-1252 text, no cut to the widget's length limit;
//   a text edited back to what the field shows keeps the field as it was;
// - Fill leaves a widget alone that already shows its field, so a refresh in
//   the middle of an edit keeps cursor, selection and undo history.
// Filling blocks the widgets' signals: no handler runs for what Fill does.
class TFieldBinder {
public:
    // Shows a text in a single-line edit in place of setText (a masked edit).
    using TShowText = std::function<void(const QString&)>;

    // A single-line edit. maxLength limits typing (0: the limit the edit was
    // given by its form); a longer stored text is shown whole and may only
    // shrink. show, when given, puts the text into the edit.
    void Text(QLineEdit* edit, std::string& field, int maxLength = 0, TShowText show = {});
    // A multi-line edit; the field holds its lines separated by CR LF, and
    // maxLength counts them so.
    void Lines(QPlainTextEdit* edit, std::string& field, int maxLength = 0);
    // An editable combo box: its drop-down entries and its text.
    void Combo(QComboBox* box, std::string& field, const std::vector<std::string>& items);
    // A drop-down list's selected entry (-1 = none); changed runs after the
    // user picked another entry and the field holds it.
    void Index(QComboBox* box, int& index, std::function<void()> changed = {});
    // A list's current row (-1 = none); changed as for Index.
    void Row(QListWidget* list, int& row, std::function<void()> changed = {});
    // A whole number in a spin box.
    void Number(QSpinBox* spin, int& value);
    // A check box, or a single radio button, that is on while the flag is set.
    void Check(QAbstractButton* box, bool& on);
    // Two radio buttons of one group: on is checked while the flag is set,
    // off while it is clear.
    void Choice(QAbstractButton* on, QAbstractButton* off, bool& flag);
    // Widgets shown while the flag is set.
    void Visible(std::initializer_list<QWidget*> widgets, const bool& visible);
    // A label showing a field.
    void Label(QLabel* label, const std::string& field);
    // Anything else the view shows from its presenter (a font sample, a page
    // to raise): run at every fill, with the widgets' signals not blocked.
    void Show(std::function<void()> show);

    void Fill() const;

private:
    std::vector<std::function<void()>> FFillers;
};

// The length of a multi-line text as stored (line breaks count two).
int StoredLength(const QString& text);
