#include "records/ui/MaskEdit.h"

#include "platform/ui/FieldBinder.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>

TMaskEdit::TMaskEdit(QWidget* parent) : QLineEdit(parent) {}

std::string TMaskEdit::Current() const {
    return text().toStdString();
}

void TMaskEdit::SetMask(const std::string& mask) {
    if (mask == FMaskText) return;
    TEditMask from = FMask;
    FMask = TEditMask(mask);
    FMaskText = mask;
    // Dropped text cannot be kept in the fixed positions: typing and paste go
    // through the mask instead.
    setAcceptDrops(!Masked());
    std::string shown = FMask.Refit(from, Current());
    if (QString::fromStdString(shown) != text()) Apply(shown, 0);
    if (Masked()) setCursorPosition(FMask.NextInputPosition(0));
}

void TMaskEdit::SetMaskedText(const QString& value) {
    if (!Masked()) {
        if (value != text()) setText(value);
        return;
    }
    std::string shown = FMask.Fit(value.toStdString());
    if (QString::fromStdString(shown) == text()) return;
    // The cursor waits at the first position still to be filled.
    int cursor = FMask.Length();
    for (int i = 0; i < FMask.Length(); ++i)
        if (FMask.IsInputPosition(i) && shown[static_cast<size_t>(i)] == FMask.Blank()) {
            cursor = i;
            break;
        }
    Apply(shown, cursor);
}

void TMaskEdit::Apply(const std::string& shown, int cursor) {
    QString t = QString::fromStdString(shown);
    if (t != text()) setText(t);
    setCursorPosition(cursor);
}

void TMaskEdit::TypeText(const QString& typed) {
    if (!Masked()) {
        insert(typed);
        return;
    }
    std::string s = Current();
    int cursor = cursorPosition();
    if (hasSelectedText()) {
        cursor = selectionStart();
        FMask.ClearRange(s, cursor, cursor + selectionLength());
    }
    // A click into the blank tail of the field, or at its end, starts at the
    // first position rather than refusing every digit.
    bool blankBefore = true;
    for (int i = 0; i < cursor && i < FMask.Length(); ++i)
        if (FMask.IsInputPosition(i) && s[static_cast<size_t>(i)] != FMask.Blank())
            blankBefore = false;
    if (blankBefore) cursor = FMask.NextInputPosition(0);
    const std::string t = typed.toStdString();
    if (FMask.TypeText(s, cursor, t)) {
        Apply(s, cursor);
        return;
    }
    // A "+", a letter or a digit too many: keep everything as free text.
    std::string free = FMask.Unfitted(s, cursor, t);
    FMask = TEditMask();
    FMaskText.clear();
    setAcceptDrops(true);
    // The cursor counts bytes of UTF-8; the line edit counts UTF-16 units.
    Apply(free, static_cast<int>(QString::fromStdString(free.substr(0, cursor)).size()));
    emit MaskDropped();
}

void TMaskEdit::ClearSelection() {
    if (!hasSelectedText()) return;
    if (!Masked()) {
        del();
        return;
    }
    std::string s = Current();
    int from = selectionStart();
    FMask.ClearRange(s, from, from + selectionLength());
    Apply(s, from);
}

void TMaskEdit::CutSelection() {
    if (!hasSelectedText()) return;
    QApplication::clipboard()->setText(selectedText());
    ClearSelection();
}

void TMaskEdit::PasteText(const QString& pasted) {
    // One line only, as the field holds one line.
    QString line = pasted.section(QLatin1Char('\n'), 0, 0);
    line.remove(QLatin1Char('\r'));
    TypeText(line);
}

void TMaskEdit::keyPressEvent(QKeyEvent* e) {
    if (!Masked() || isReadOnly()) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    std::string s = Current();
    int cursor = cursorPosition();
    if (e->matches(QKeySequence::Paste)) {
        PasteText(QApplication::clipboard()->text());
    } else if (e->matches(QKeySequence::Cut)) {
        CutSelection();
    } else if (e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo)) {
        // The line edit's own history holds whole texts that skip the mask.
    } else if (e->matches(QKeySequence::DeleteEndOfWord) ||
               e->matches(QKeySequence::DeleteEndOfLine)) {
        FMask.ClearRange(s, cursor, FMask.Length());
        Apply(s, cursor);
    } else if (e->matches(QKeySequence::DeleteStartOfWord)) {
        FMask.ClearRange(s, 0, cursor);
        Apply(s, FMask.NextInputPosition(0));
    } else if (e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete) {
        if (hasSelectedText()) {
            ClearSelection();
        } else if (e->key() == Qt::Key_Backspace) {
            FMask.Backspace(s, cursor);
            Apply(s, cursor);
        } else {
            FMask.Delete(s, cursor);
            Apply(s, cursor);
        }
    } else if (!e->text().isEmpty() && e->text().at(0).isPrint() &&
               !(e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        TypeText(e->text());
    } else {
        // Cursor movement, selection, copy, Return for the default button.
        QLineEdit::keyPressEvent(e);
        return;
    }
    e->accept();
}

void TMaskEdit::inputMethodEvent(QInputMethodEvent* e) {
    if (!Masked() || isReadOnly()) {
        QLineEdit::inputMethodEvent(e);
        return;
    }
    if (!e->commitString().isEmpty()) TypeText(e->commitString());
    e->accept();
}

void TMaskEdit::contextMenuEvent(QContextMenuEvent* e) {
    if (!Masked()) {
        QLineEdit::contextMenuEvent(e);
        return;
    }
    // The standard menu's edit actions would bypass the mask.
    QMenu menu(this);
    bool editable = !isReadOnly();
    QAction* cut = menu.addAction(tr("Cu&t"), this, &TMaskEdit::CutSelection);
    cut->setEnabled(editable && hasSelectedText());
    QAction* copyAct = menu.addAction(tr("&Copy"), this, &QLineEdit::copy);
    copyAct->setEnabled(hasSelectedText());
    QAction* paste = menu.addAction(tr("&Paste"), this,
                                    [this] { PasteText(QApplication::clipboard()->text()); });
    paste->setEnabled(editable && !QApplication::clipboard()->text().isEmpty());
    QAction* del = menu.addAction(tr("Delete"), this, &TMaskEdit::ClearSelection);
    del->setEnabled(editable && hasSelectedText());
    menu.addSeparator();
    menu.addAction(tr("Select All"), this, &QLineEdit::selectAll);
    menu.exec(e->globalPos());
}

void BindMasked(TFieldBinder& fields, TMaskEdit* edit, const std::string& mask,
                std::string& field) {
    fields.Text(edit, field, 0, [edit, &mask](const QString& text) {
        edit->SetMask(mask);
        edit->SetMaskedText(text);
    });
}
