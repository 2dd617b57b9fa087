#include "records/EditMask.h"

#include <algorithm>

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

TEditMask::TEditMask(const std::string& mask) : FMask(mask) {
    // The pattern ends at the first ";" that is not escaped; the rest holds
    // the literal flag and the blank character.
    size_t i = 0;
    for (; i < mask.size(); ++i) {
        if (mask[i] == '\\') {
            ++i;
            continue;
        }
        if (mask[i] == ';') break;
    }
    FPattern = mask.substr(0, i < mask.size() ? i : mask.size());
    if (i < mask.size()) {
        std::string rest = mask.substr(i + 1);
        size_t semi = rest.find(';');
        std::string flag = rest.substr(0, semi);
        if (!flag.empty()) FSaveLiterals = flag[0] != '0';
        if (semi != std::string::npos && semi + 1 < rest.size()) FBlank = rest[semi + 1];
    } else {
        FSaveLiterals = true;
    }

    for (size_t k = 0; k < FPattern.size(); ++k) {
        char c = FPattern[k];
        Pos p;
        if (c == '\\') {
            if (++k >= FPattern.size()) break;
            p.Literal = FPattern[k];
        } else if (c == '!') {
            FLeadingBlanks = true;
            continue;
        } else if (c == '0') {
            p.Required = true;
        } else if (c == '9') {
            p.Required = false;
        } else {
            p.Literal = c;
        }
        FPositions.push_back(p);
    }
    // A pattern made only of flags shows nothing: treat it as free text.
    if (FPositions.empty()) FPattern.clear();
}

int TEditMask::Length() const {
    return static_cast<int>(FPositions.size());
}

bool TEditMask::IsInputPosition(int pos) const {
    return pos >= 0 && pos < Length() && FPositions[static_cast<size_t>(pos)].Literal == 0;
}

bool TEditMask::IsRequiredPosition(int pos) const {
    return IsInputPosition(pos) && FPositions[static_cast<size_t>(pos)].Required;
}

int TEditMask::NextInputPosition(int pos) const {
    if (pos < 0) pos = 0;
    while (pos < Length() && !IsInputPosition(pos))
        ++pos;
    return pos < Length() ? pos : Length();
}

int TEditMask::PrevInputPosition(int pos) const {
    if (pos > Length()) pos = Length();
    for (int p = pos - 1; p >= 0; --p)
        if (IsInputPosition(p)) return p;
    return -1;
}

bool TEditMask::Accepts(int pos, char c) const {
    return IsInputPosition(pos) && IsDigit(c);
}

std::string TEditMask::EmptyText() const {
    std::string s;
    s.reserve(FPositions.size());
    for (const Pos& p : FPositions)
        s += p.Literal ? p.Literal : FBlank;
    return s;
}

bool TEditMask::Conforms(const std::string& text) const {
    if (static_cast<int>(text.size()) != Length()) return false;
    for (size_t i = 0; i < FPositions.size(); ++i) {
        const Pos& p = FPositions[i];
        if (p.Literal ? text[i] != p.Literal : !(IsDigit(text[i]) || text[i] == FBlank))
            return false;
    }
    return true;
}

std::string TEditMask::Value(const std::string& displayed) const {
    if (IsEmpty()) return displayed;
    std::string shown = Fit(displayed);
    std::string v;
    for (size_t i = 0; i < FPositions.size(); ++i) {
        char c = shown[i];
        if (FPositions[i].Literal) {
            if (FSaveLiterals) v += c;
        } else if (c != FBlank) {
            v += c;
        } else if (FSaveLiterals) {
            v += ' ';
        }
    }
    return v;
}

std::string TEditMask::FormatValue(const std::string& value) const {
    if (IsEmpty()) return value;
    std::string digits;
    for (char c : value)
        if (IsDigit(c)) digits += c;

    std::vector<int> inputs;
    for (int i = 0; i < Length(); ++i)
        if (IsInputPosition(i)) inputs.push_back(i);
    if (digits.size() > inputs.size()) digits.resize(inputs.size());

    // Which input positions stay blank: optional ones first (from the left
    // with "!", from the right without), then required ones from the same end.
    size_t toLeave = inputs.size() - digits.size();
    std::vector<bool> leave(inputs.size(), false);
    for (int pass = 0; pass < 2 && toLeave > 0; ++pass) {
        for (size_t n = 0; n < inputs.size() && toLeave > 0; ++n) {
            size_t k = FLeadingBlanks ? n : inputs.size() - 1 - n;
            if (leave[k]) continue;
            bool optional = !FPositions[static_cast<size_t>(inputs[k])].Required;
            if (pass == 0 && !optional) continue;
            leave[k] = true;
            --toLeave;
        }
    }

    std::string shown = EmptyText();
    size_t d = 0;
    for (size_t k = 0; k < inputs.size(); ++k)
        if (!leave[k]) shown[static_cast<size_t>(inputs[k])] = digits[d++];
    return shown;
}

std::string TEditMask::Fit(const std::string& text) const {
    if (IsEmpty() || Conforms(text)) return text;
    return FormatValue(text);
}

std::string TEditMask::Entered(const std::string& displayed) const {
    if (IsEmpty()) return displayed;
    std::string shown = Fit(displayed);
    std::string entered;
    for (int i = 0; i < Length(); ++i)
        if (IsInputPosition(i) && shown[static_cast<size_t>(i)] != FBlank)
            entered += shown[static_cast<size_t>(i)];
    return entered;
}

std::string TEditMask::Refit(const TEditMask& from, const std::string& displayed) const {
    std::string entered = from.Entered(displayed);
    return IsEmpty() ? entered : FormatValue(entered);
}

bool TEditMask::CanHold(const TEditMask& from, const std::string& displayed) const {
    if (IsEmpty()) return true;
    int digits = 0;
    for (char c : from.Entered(displayed)) {
        if (IsDigit(c))
            ++digits;
        else if (!Passable(c))
            return false;
    }
    int inputs = 0;
    for (int i = 0; i < Length(); ++i)
        inputs += IsInputPosition(i) ? 1 : 0;
    return digits <= inputs;
}

std::string TEditMask::Apply(const std::string& typed) const {
    if (IsEmpty()) return typed;
    std::string text = EmptyText();
    int cursor = 0;
    for (char c : typed)
        TypeChar(text, cursor, c);
    return text;
}

bool TEditMask::HasEnteredCharacter(const std::string& displayed) const {
    if (IsEmpty()) return !displayed.empty();
    std::string shown = Fit(displayed);
    for (int i = 0; i < Length(); ++i)
        if (IsInputPosition(i) && shown[static_cast<size_t>(i)] != FBlank) return true;
    return false;
}

bool TEditMask::IsComplete(const std::string& displayed) const {
    if (IsEmpty()) return true;
    std::string shown = Fit(displayed);
    for (int i = 0; i < Length(); ++i)
        if (IsRequiredPosition(i) && !IsDigit(shown[static_cast<size_t>(i)])) return false;
    return true;
}

bool TEditMask::TypeChar(std::string& text, int& cursor, char c) const {
    if (IsEmpty()) {
        size_t at = cursor < 0 ? 0 : std::min(static_cast<size_t>(cursor), text.size());
        text.insert(at, 1, c);
        cursor = static_cast<int>(at) + 1;
        return true;
    }
    if (!Conforms(text)) text = Fit(text);
    if (cursor < 0) cursor = 0;
    int p = NextInputPosition(cursor);
    if (Accepts(p, c)) {
        text[static_cast<size_t>(p)] = c;
        cursor = NextInputPosition(p + 1);
        return true;
    }
    // Only a character that cannot be input steps over its literal, so that
    // digits typed into "16-__-..." are not taken for the literal "1".
    if (cursor < Length() && !IsInputPosition(cursor) &&
        FPositions[static_cast<size_t>(cursor)].Literal == c) {
        cursor = NextInputPosition(cursor + 1);
        return true;
    }
    return false;
}

void TEditMask::Backspace(std::string& text, int& cursor) const {
    if (IsEmpty()) {
        if (cursor > 0 && static_cast<size_t>(cursor) <= text.size()) {
            text.erase(static_cast<size_t>(cursor - 1), 1);
            --cursor;
        }
        return;
    }
    if (!Conforms(text)) text = Fit(text);
    int p = PrevInputPosition(cursor);
    if (p < 0) return;
    text[static_cast<size_t>(p)] = FBlank;
    cursor = p;
}

void TEditMask::Delete(std::string& text, int cursor) const {
    if (IsEmpty()) {
        if (cursor >= 0 && static_cast<size_t>(cursor) < text.size())
            text.erase(static_cast<size_t>(cursor), 1);
        return;
    }
    if (!Conforms(text)) text = Fit(text);
    int p = NextInputPosition(cursor);
    if (p < Length()) text[static_cast<size_t>(p)] = FBlank;
}

void TEditMask::ClearRange(std::string& text, int from, int to) const {
    if (from < 0) from = 0;
    if (IsEmpty()) {
        if (static_cast<size_t>(from) < text.size() && to > from)
            text.erase(static_cast<size_t>(from), static_cast<size_t>(to - from));
        return;
    }
    if (!Conforms(text)) text = Fit(text);
    for (int i = from; i < to && i < Length(); ++i)
        if (IsInputPosition(i)) text[static_cast<size_t>(i)] = FBlank;
}

bool TEditMask::Passable(char c) const {
    for (char sep : {' ', '-', '(', ')', '.', '/'})
        if (c == sep) return true;
    for (const Pos& p : FPositions)
        if (p.Literal && p.Literal == c && !IsDigit(c)) return true;
    return false;
}

bool TEditMask::TypeText(std::string& text, int& cursor, const std::string& typed) const {
    if (IsEmpty()) {
        size_t at = cursor < 0 ? 0 : std::min(static_cast<size_t>(cursor), text.size());
        text.insert(at, typed);
        cursor = static_cast<int>(at + typed.size());
        return true;
    }
    std::string shown = Fit(text);
    if (!HasEnteredCharacter(shown) && Conforms(typed)) {
        text = typed;
        cursor = Length();
        return true;
    }
    int at = cursor;
    for (char c : typed)
        if (!TypeChar(shown, at, c) && (IsDigit(c) || !Passable(c))) return false;
    text = shown;
    cursor = at;
    return true;
}

std::string TEditMask::Unfitted(const std::string& text, int& cursor,
                                const std::string& typed) const {
    std::string before, after;
    if (IsEmpty()) {
        size_t at = cursor < 0 ? 0 : std::min(static_cast<size_t>(cursor), text.size());
        before = text.substr(0, at);
        after = text.substr(at);
    } else {
        std::string shown = Fit(text);
        for (int i = 0; i < Length(); ++i) {
            char c = shown[static_cast<size_t>(i)];
            if (IsInputPosition(i) && c != FBlank) (i < cursor ? before : after) += c;
        }
    }
    cursor = static_cast<int>(before.size() + typed.size());
    return before + typed + after;
}
