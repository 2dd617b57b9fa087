#include "shell/CommandLine.h"

std::vector<std::string> SplitCommandLine(const std::string& text) {
    std::vector<std::string> tokens;
    std::string current;
    bool inQuotes = false;
    bool pending = false; // a token has begun (a quoted "" counts as one)
    for (char c : text) {
        if (c == '"') {
            inQuotes = !inQuotes;
            pending = true;
        } else if (c == ' ' && !inQuotes) {
            if (pending) tokens.push_back(current);
            current.clear();
            pending = false;
        } else {
            current += c;
            pending = true;
        }
    }
    if (pending) tokens.push_back(current);
    return tokens;
}

std::string JoinCommandLine(const std::vector<std::string>& args) {
    std::string out;
    for (const auto& a : args) {
        if (!out.empty()) out += ' ';
        // A double quote cannot be carried inside a token; it is dropped.
        std::string clean;
        for (char c : a)
            if (c != '"') clean += c;
        if (clean.empty() || clean.find(' ') != std::string::npos)
            out += '"' + clean + '"';
        else
            out += clean;
    }
    return out;
}

bool HasHideWin(const std::vector<std::string>& args) {
    for (const auto& a : args)
        if (a == "HIDEWIN") return true;
    return false;
}
