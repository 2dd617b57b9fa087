#pragma once

#include <string>

// The return address file "ret_addr.dat": one line of the address per line,
// each ended by CR LF, nothing else.
namespace retaddr {

inline constexpr const char* kFileName = "ret_addr.dat";

// The file's lines joined by CR LF; "" when the file does not exist. Raises
// EInOutError when it exists but cannot be read or is no regular file.
std::string Read(const std::string& path);

// Replaces the file with the lines of text (separated by CR LF, LF or CR),
// each ended by CR LF. The old file stays whole when the write fails; a
// symbolic link keeps pointing at the file it names, which is replaced.
// Raises EInOutError.
void Write(const std::string& path, const std::string& text);

} // namespace retaddr
