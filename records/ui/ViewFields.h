#pragma once

#include "platform/ui/QtText.h"
#include "records/ui/MaskEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <string>
#include <vector>

// Filling widgets from presenter fields without disturbing what the user is
// editing: a widget that already shows the value is left alone, so cursor,
// selection and undo history survive a refresh.
namespace viewfields {

inline void Show(QLineEdit* e, const std::string& value) {
    QString t = FromStored(value);
    // A line edit cuts a text longer than its limit, which is only meant to
    // stop typing: a longer stored text raises it.
    if (e->maxLength() < t.size()) e->setMaxLength(static_cast<int>(t.size()));
    if (e->text() != t) e->setText(t);
}

inline void Show(TMaskEdit* e, const std::string& mask, const std::string& value) {
    e->SetMask(mask);
    e->SetMaskedText(FromStored(value));
}

// Multi-line text: the presenter separates lines with CR LF.
inline QString LinesFromStored(const std::string& value) {
    QString t = FromStored(value);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}
inline std::string LinesToStored(const QString& text) {
    QString t = text;
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return ToStored(t);
}
// The stored length of the text a multi-line box was filled with; LimitLines
// never cuts below it.
inline constexpr char kFilledLength[] = "filledLength";
inline void Show(QPlainTextEdit* e, const std::string& value) {
    QString t = LinesFromStored(value);
    e->setProperty(kFilledLength, static_cast<int>(t.size() + t.count(QLatin1Char('\n'))));
    if (e->toPlainText() != t) e->setPlainText(t);
}

// An editable list: its entries and the text of its edit box.
inline void Show(QComboBox* c, const std::vector<std::string>& items, const std::string& text) {
    QStringList list;
    for (const auto& s : items)
        list << FromStored(s);
    QStringList now;
    for (int i = 0; i < c->count(); ++i)
        now << c->itemText(i);
    if (now != list) {
        c->clear();
        c->addItems(list);
    }
    QString t = FromStored(text);
    if (c->currentText() != t) c->setEditText(t);
}

// A drop-down list: the selected index (-1 = none).
inline void Select(QComboBox* c, int index) {
    if (index < -1 || index >= c->count()) index = -1;
    if (c->currentIndex() != index) c->setCurrentIndex(index);
}

inline std::string Text(const QLineEdit* e) {
    return ToStored(e->text());
}
inline std::string Text(const QComboBox* c) {
    return ToStored(c->currentText());
}
inline std::string Text(const QPlainTextEdit* e) {
    return LinesToStored(e->toPlainText());
}

// A widget's text goes into its presenter field only when it differs from
// what the field shows, so a field the user did not touch keeps its stored
// bytes (Windows-1252 text is not re-encoded).
inline void Take(std::string& field, const QString& shown) {
    if (FromStored(field) != shown) field = ToStored(shown);
}
inline void Take(std::string& field, const QLineEdit* e) {
    Take(field, e->text());
}
inline void Take(std::string& field, const QComboBox* c) {
    Take(field, c->currentText());
}
inline void Take(std::string& field, const QPlainTextEdit* e) {
    if (LinesFromStored(field) != e->toPlainText()) field = Text(e);
}

// Keeps a multi-line box within max stored characters (a line break counts
// as two, as it is stored), or within the length it was filled with when that
// is longer: what was typed or pasted last is cut back.
void LimitLines(QPlainTextEdit* e, int max);

} // namespace viewfields
