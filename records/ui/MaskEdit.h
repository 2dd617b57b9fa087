#pragma once

#include "records/EditMask.h"

#include <QLineEdit>
#include <string>

class TFieldBinder;

// A line edit that follows an input mask of the number fields (TEditMask):
// the text always shows every position of the mask, typed digits overwrite
// the input positions from the cursor on, literals stay in place and cleared
// positions show the blank character. With an empty mask it is a plain line
// edit taking any text. Typed or pasted text the mask cannot hold is never
// cut: the field drops its mask, keeps the text as typed and says so with
// MaskDropped.
class TMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TMaskEdit(QWidget* parent = nullptr);

    // Gives the field another mask; the text is shown as the new mask shows
    // it (a conforming text is kept, any other is read for its digits).
    void SetMask(const std::string& mask);
    const std::string& Mask() const { return FMaskText; }
    // Shows text under the current mask; nothing happens when it already shows.
    void SetMaskedText(const QString& text);

    // Editing operations that keyboard, context menu and callers share.
    void PasteText(const QString& text);
    void CutSelection();
    void ClearSelection();

signals:
    // Typed or pasted text did not fit the mask: the field is free text now.
    void MaskDropped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool Masked() const { return !FMask.IsEmpty(); }
    // Types the characters at the cursor, replacing a selection first.
    void TypeText(const QString& text);
    // Puts text and cursor in place in one step.
    void Apply(const std::string& text, int cursor);
    std::string Current() const;

    std::string FMaskText;
    TEditMask FMask;
};

// Binds a number field to its edit under a mask the presenter may change
// (mask is read at every fill).
void BindMasked(TFieldBinder& fields, TMaskEdit* edit, const std::string& mask, std::string& field);
