#include "platform/ui/FieldBinder.h"

#include "platform/ui/QtText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <algorithm>
#include <memory>

int StoredLength(const QString& text) {
    return static_cast<int>(text.size() + text.count(QLatin1Char('\n')));
}

void TFieldBinder::Text(QLineEdit* edit, std::string& field, int maxLength) {
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [&field](const QString& text) { field = ToStored(text); });
    FFillers.push_back([edit, &field, maxLength] {
        QSignalBlocker block(edit);
        QString text = FromStored(field);
        // QLineEdit cuts a text longer than its limit; the limit is only
        // meant to stop typing, so a longer stored value raises it.
        if (maxLength > 0) edit->setMaxLength(std::max(maxLength, static_cast<int>(text.size())));
        edit->setText(text);
    });
}

void TFieldBinder::Lines(QPlainTextEdit* edit, std::string& field, int maxLength) {
    // The largest length the box accepts: the limit, or a longer filled text.
    auto limit = std::make_shared<int>(maxLength);
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, &field, limit] {
        QString text = edit->toPlainText();
        int over = *limit > 0 ? StoredLength(text) - *limit : 0;
        if (over > 0) {
            // Drop what was just typed or pasted beyond the limit, before the cursor.
            QTextCursor cursor = edit->textCursor();
            int end = cursor.position();
            cursor.setPosition(std::max(0, end - over));
            cursor.setPosition(end, QTextCursor::KeepAnchor);
            QSignalBlocker block(edit);
            cursor.removeSelectedText();
            edit->setTextCursor(cursor);
            text = edit->toPlainText();
        }
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        field = ToStored(text);
    });
    FFillers.push_back([edit, &field, maxLength, limit] {
        QSignalBlocker block(edit);
        QString text = FromStored(field);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        *limit = maxLength > 0 ? std::max(maxLength, StoredLength(text)) : 0;
        edit->setPlainText(text);
    });
}

void TFieldBinder::Combo(QComboBox* box, std::string& field,
                         const std::vector<std::string>& items) {
    QObject::connect(box, &QComboBox::editTextChanged, box,
                     [&field](const QString& text) { field = ToStored(text); });
    FFillers.push_back([box, &field, &items] {
        QSignalBlocker block(box);
        box->clear();
        for (const std::string& item : items)
            box->addItem(FromStored(item));
        box->setEditText(FromStored(field));
    });
}

void TFieldBinder::Label(QLabel* label, const std::string& field) {
    FFillers.push_back([label, &field] { label->setText(FromStored(field)); });
}

void TFieldBinder::Fill() const {
    for (const auto& fill : FFillers)
        fill();
}
