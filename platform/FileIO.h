#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and safe writes. Files are bytes; nothing is re-encoded.
namespace fileio {

// The file's bytes, or nullopt when it cannot be opened (missing, unreadable).
std::optional<std::string> TryReadFile(const std::string& path);

// The file's bytes; raises EInOutError when it cannot be read.
std::string ReadFile(const std::string& path);

// Replaces the file with data. A regular (or not yet existing) file is written
// to a temporary file in the same folder, flushed to disk and renamed over the
// old one, so a failed write leaves the old file whole. Anything else (a
// device such as /dev/full, a pipe) is written in place. Raises EInOutError.
void WriteFileReplacing(const std::string& path, std::string_view data);

bool FileExists(const std::string& path); // a regular file
bool DirectoryExists(const std::string& path);

// Path pieces. The folder part keeps its trailing "/".
std::string ExtractFilePath(const std::string& path);
std::string ExtractFileName(const std::string& path);
std::string ExtractFileExt(const std::string& path); // with the dot, or ""
std::string JoinPath(const std::string& folder, const std::string& name);
bool IsAbsolutePath(const std::string& path);

} // namespace fileio
