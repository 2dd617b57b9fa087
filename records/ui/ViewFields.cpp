#include "records/ui/ViewFields.h"

#include <QSignalBlocker>
#include <QTextCursor>
#include <QVariant>
#include <algorithm>

namespace viewfields {

void LimitLines(QPlainTextEdit* e, int max) {
    auto storedLength = [e] {
        QString t = e->toPlainText();
        return t.size() + t.count(QLatin1Char('\n'));
    };
    max = std::max(max, e->property(kFilledLength).toInt());
    if (storedLength() <= max) return;
    // The caller stores the text once it is cut back.
    QSignalBlocker quiet(e);
    QTextCursor c = e->textCursor();
    c.clearSelection();
    c.beginEditBlock();
    while (storedLength() > max) {
        if (c.position() > 0)
            c.deletePreviousChar();
        else {
            c.movePosition(QTextCursor::End);
            if (c.position() == 0) break;
            c.deletePreviousChar();
        }
    }
    c.endEditBlock();
    e->setTextCursor(c);
}

} // namespace viewfields
