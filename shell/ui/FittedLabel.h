#pragma once

#include <QFrame>
#include <QString>
#include <QStringList>

// A line of text that never asks for more room than its layout gives it: the
// text wraps to at most MaxLines lines, the last one elided, and while the
// whole text does not show it is the label's tooltip. So a long text can
// neither push its neighbours aside nor be lost.
class TFittedLabel : public QFrame {
    Q_OBJECT
public:
    // preferredWidth: the width the label asks for whatever its text, so its
    // neighbours keep their places; it grows into spare room and shrinks to
    // its minimum width. 0 leaves the width to the layout alone.
    explicit TFittedLabel(int maxLines, int preferredWidth = 0, QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return FText; }
    // Whether the whole text shows at the present size.
    bool Fits() const;
    // The lines as they show at the present size.
    QStringList ShownLines() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // The text laid out in width: the lines that show, and whether all of it did.
    QStringList Layout(int width, bool* complete) const;
    void Refresh();

    int FMaxLines;
    int FPreferredWidth;
    QString FText;
};
