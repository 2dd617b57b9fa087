#include "shell/ui/FittedLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

TFittedLabel::TFittedLabel(int maxLines, int preferredWidth, QWidget* parent)
    : QFrame(parent), FMaxLines(maxLines < 1 ? 1 : maxLines), FPreferredWidth(preferredWidth) {
    // With a width of its own the label takes what room there is beside
    // it, down to its minimum; without, its share is the layout's to give.
    setSizePolicy(preferredWidth > 0 ? QSizePolicy::Expanding : QSizePolicy::Ignored,
                  QSizePolicy::Fixed);
}

void TFittedLabel::setText(const QString& text) {
    if (text == FText) return;
    FText = text;
    Refresh();
}

QStringList TFittedLabel::Layout(int width, bool* complete) const {
    QStringList lines;
    *complete = true;
    if (FText.isEmpty() || width <= 0) {
        *complete = FText.isEmpty();
        return lines;
    }
    const QFontMetrics fm(font());
    QTextLayout layout(FText, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() == FMaxLines - 1) {
            // The last line that shows takes the rest, elided when it is too long.
            QString rest = FText.mid(line.textStart());
            QString shown = fm.elidedText(rest, Qt::ElideRight, width);
            *complete = shown == rest;
            lines.append(shown);
            break;
        }
        lines.append(FText.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

bool TFittedLabel::Fits() const {
    bool complete = false;
    Layout(contentsRect().width(), &complete);
    return complete;
}

QStringList TFittedLabel::ShownLines() const {
    bool complete = false;
    return Layout(contentsRect().width(), &complete);
}

QSize TFittedLabel::sizeHint() const {
    const QMargins m = contentsMargins();
    const int height = FMaxLines * QFontMetrics(font()).lineSpacing() + m.top() + m.bottom();
    int width = FPreferredWidth;
    if (width <= 0) width = QFontMetrics(font()).horizontalAdvance(FText) + m.left() + m.right();
    return {width, height};
}

QSize TFittedLabel::minimumSizeHint() const {
    return {0, sizeHint().height()};
}

void TFittedLabel::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const QRect area = contentsRect();
    const int lineHeight = QFontMetrics(font()).lineSpacing();
    const QStringList lines = ShownLines();
    // The lines sit in the middle of the height the label has.
    int y = area.top() + (area.height() - static_cast<int>(lines.size()) * lineHeight) / 2;
    for (const QString& line : lines) {
        p.drawText(QRect(area.left(), y, area.width(), lineHeight),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
        y += lineHeight;
    }
}

void TFittedLabel::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    Refresh();
}

void TFittedLabel::changeEvent(QEvent* e) {
    QFrame::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        updateGeometry();
        Refresh();
    }
}

void TFittedLabel::Refresh() {
    setToolTip(Fits() ? QString() : FText);
    update();
}
