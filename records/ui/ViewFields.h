#pragma once

#include "platform/ui/QtText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <string>

// Filling widgets from presenter fields without disturbing what the user is
// editing: a widget that already shows the value is left alone, so cursor,
// selection and undo history survive a refresh. Only the report form's own
// controls use these; dialogs bind their fields with TFieldBinder.
namespace viewfields {

inline void Show(QLineEdit* e, const std::string& value) {
    QString t = FromStored(value);
    // A line edit cuts a text longer than its limit, which is only meant to
    // stop typing: a longer stored text raises it.
    if (e->maxLength() < t.size()) e->setMaxLength(static_cast<int>(t.size()));
    if (e->text() != t) e->setText(t);
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
inline void Show(QPlainTextEdit* e, const std::string& value) {
    QString t = LinesFromStored(value);
    if (e->toPlainText() != t) e->setPlainText(t);
}

// A drop-down list: the selected index (-1 = none).
inline void Select(QComboBox* c, int index) {
    if (index < -1 || index >= c->count()) index = -1;
    if (c->currentIndex() != index) c->setCurrentIndex(index);
}

inline std::string Text(const QPlainTextEdit* e) {
    return LinesToStored(e->toPlainText());
}

} // namespace viewfields
