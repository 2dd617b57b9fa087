#include "platform/ui/FieldBinder.h"

#include "platform/ui/QtText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringList>
#include <QTextCursor>
#include <algorithm>
#include <memory>

namespace {

// An edited text goes into its field only when it differs from what the field
// shows: a field edited back to its text keeps its bytes.
void Take(std::string& field, const QString& shown) {
    if (FromStored(field) != shown) field = ToStored(shown);
}

QString LinesFromStored(const std::string& field) {
    QString text = FromStored(field);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// QLineEdit cuts a text longer than its limit; the limit is only meant to stop
// typing, so a longer stored value raises it.
void Fit(QLineEdit* edit, int limit, const QString& text) {
    edit->setMaxLength(std::max(limit, static_cast<int>(text.size())));
}

} // namespace

int StoredLength(const QString& text) {
    return static_cast<int>(text.size() + text.count(QLatin1Char('\n')));
}

void TFieldBinder::Text(QLineEdit* edit, std::string& field, int maxLength, TShowText show) {
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [&field](const QString& text) { Take(field, text); });
    const int limit = maxLength > 0 ? maxLength : edit->maxLength();
    FFillers.push_back([edit, &field, limit, show = std::move(show)] {
        QSignalBlocker block(edit);
        QString text = FromStored(field);
        Fit(edit, limit, text);
        if (show)
            show(text);
        else if (edit->text() != text)
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
        if (LinesFromStored(field) == text) return;
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        field = ToStored(text);
    });
    FFillers.push_back([edit, &field, maxLength, limit] {
        QSignalBlocker block(edit);
        QString text = LinesFromStored(field);
        *limit = maxLength > 0 ? std::max(maxLength, StoredLength(text)) : 0;
        if (edit->toPlainText() != text) edit->setPlainText(text);
    });
}

void TFieldBinder::Combo(QComboBox* box, std::string& field,
                         const std::vector<std::string>& items) {
    QObject::connect(box, &QComboBox::editTextChanged, box,
                     [&field](const QString& text) { Take(field, text); });
    const int limit = box->lineEdit() ? box->lineEdit()->maxLength() : 0;
    FFillers.push_back([box, &field, &items, limit] {
        QSignalBlocker block(box);
        QStringList entries;
        for (const std::string& item : items)
            entries << FromStored(item);
        QStringList shown;
        for (int i = 0; i < box->count(); ++i)
            shown << box->itemText(i);
        if (shown != entries) {
            box->clear();
            box->addItems(entries);
        }
        QString text = FromStored(field);
        if (box->lineEdit()) Fit(box->lineEdit(), limit, text);
        if (box->currentText() != text) box->setEditText(text);
    });
}

namespace {

// A widget's current entry (a drop-down's index, a list's row) bound to a
// field; -1 is none, and so is a field out of the widget's range.
template <typename W>
std::function<void()> BindCurrent(W* widget, void (W::*changedSignal)(int),
                                  int (W::*current)() const, void (W::*setCurrent)(int), int& field,
                                  std::function<void()> changed) {
    QObject::connect(widget, changedSignal, widget,
                     [&field, changed = std::move(changed)](int now) {
                         field = now;
                         if (changed) changed();
                     });
    return [widget, current, setCurrent, &field] {
        QSignalBlocker block(widget);
        int wanted = field >= -1 && field < widget->count() ? field : -1;
        if ((widget->*current)() != wanted) (widget->*setCurrent)(wanted);
    };
}

} // namespace

void TFieldBinder::Index(QComboBox* box, int& index, std::function<void()> changed) {
    FFillers.push_back(BindCurrent(box, &QComboBox::currentIndexChanged, &QComboBox::currentIndex,
                                   &QComboBox::setCurrentIndex, index, std::move(changed)));
}

void TFieldBinder::Row(QListWidget* list, int& row, std::function<void()> changed) {
    FFillers.push_back(BindCurrent(list, &QListWidget::currentRowChanged, &QListWidget::currentRow,
                                   &QListWidget::setCurrentRow, row, std::move(changed)));
}

void TFieldBinder::Number(QSpinBox* spin, int& value) {
    QObject::connect(spin, &QSpinBox::valueChanged, spin, [&value](int now) { value = now; });
    FFillers.push_back([spin, &value] {
        QSignalBlocker block(spin);
        if (spin->value() != value) spin->setValue(value);
    });
}

void TFieldBinder::Check(QAbstractButton* box, bool& on) {
    QObject::connect(box, &QAbstractButton::toggled, box, [&on](bool now) { on = now; });
    FFillers.push_back([box, &on] {
        QSignalBlocker block(box);
        if (box->isChecked() != on) box->setChecked(on);
    });
}

void TFieldBinder::Choice(QAbstractButton* on, QAbstractButton* off, bool& flag) {
    QObject::connect(on, &QAbstractButton::toggled, on, [&flag](bool now) { flag = now; });
    FFillers.push_back([on, off, &flag] {
        if (on->isChecked() == flag && off->isChecked() != flag) return;
        QSignalBlocker blockOn(on);
        QSignalBlocker blockOff(off);
        (flag ? on : off)->setChecked(true);
    });
}

void TFieldBinder::Visible(std::initializer_list<QWidget*> widgets, const bool& visible) {
    std::vector<QWidget*> list(widgets);
    FFillers.push_back([list, &visible] {
        for (QWidget* w : list)
            w->setVisible(visible);
    });
}

void TFieldBinder::Label(QLabel* label, const std::string& field) {
    FFillers.push_back([label, &field] { label->setText(FromStored(field)); });
}

void TFieldBinder::Show(std::function<void()> show) {
    FFillers.push_back(std::move(show));
}

void TFieldBinder::Fill() const {
    for (const auto& fill : FFillers)
        fill();
}
