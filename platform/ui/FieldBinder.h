#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Ties a view's widgets to its presenter's text fields. Fill() shows the
// fields; an edit is written back into its field as it happens. A field the
// user never touches keeps its stored bytes exactly (no re-encoding, no cut
// to the widget's length limit).
class TFieldBinder {
public:
    // A single-line edit. maxLength limits typing; a longer stored text is
    // shown whole and may only shrink.
    void Text(QLineEdit* edit, std::string& field, int maxLength = 0);
    // A multi-line edit; the field holds its lines separated by CR LF, and
    // maxLength counts them so.
    void Lines(QPlainTextEdit* edit, std::string& field, int maxLength = 0);
    // An editable combo box: its drop-down entries and its text.
    void Combo(QComboBox* box, std::string& field, const std::vector<std::string>& items);
    // A label showing a field.
    void Label(QLabel* label, const std::string& field);

    void Fill() const;

private:
    std::vector<std::function<void()>> FFillers;
};

// The length of a multi-line text as stored (line breaks count two).
int StoredLength(const QString& text);
