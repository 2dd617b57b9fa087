#pragma once

#include <QString>
#include <string>

// Stored text at the Qt boundary: shown as UTF-8 when it is valid UTF-8,
// else read as Windows-1252; typed text is stored as UTF-8.
QString FromStored(const std::string& bytes);
std::string ToStored(const QString& text);
