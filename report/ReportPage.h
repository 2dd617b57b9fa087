#pragma once

#include "report/ReportFont.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// Lengths on a page are hundredths of an inch, measured from the paper's
// top-left corner.
struct TBox {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;

    double Right() const { return Left + Width; }
    double Bottom() const { return Top + Height; }
    bool Contains(const TBox& inner, double slack = 0) const {
        return inner.Left >= Left - slack && inner.Top >= Top - slack &&
               inner.Right() <= Right() + slack && inner.Bottom() <= Bottom() + slack;
    }
    bool operator==(const TBox&) const = default;
};

// One line of text; nothing of it may show outside Clip.
struct TDrawText {
    double X = 0;
    double Baseline = 0;
    TReportFont Font;
    std::string Text; // UTF-8
    TBox Clip;
};

struct TDrawLine {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    double PenWidth = 1;
    std::uint32_t Color = 0x000000;
};

struct TDrawBox {
    TBox Box;
    std::uint32_t Color = 0x000000;
    bool Filled = true;
    double PenWidth = 1; // for an outline
};

using TDrawCommand = std::variant<TDrawText, TDrawLine, TDrawBox>;

// A laid-out page: what to draw, in order.
struct TReportPage {
    double Width = 0;
    double Height = 0;
    std::vector<TDrawCommand> Commands;

    // The text commands, in drawing order (tests and the PDF checks read them).
    std::vector<const TDrawText*> Texts() const;
};
