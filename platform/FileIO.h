#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

// Whole-file reads and safe writes. Files are bytes; nothing is re-encoded.
namespace fileio {

// The file's bytes, or nullopt when it cannot be read for any reason
// (missing, unreadable, not a regular file: a pipe or device is never waited
// on).
std::optional<std::string> TryReadFile(const std::string& path);

// The file's bytes, or nullopt only when no file of that name exists. Any
// other reason the whole file cannot be read raises EInOutError: a file the
// user may not read, a folder, pipe or device ("File access denied"), a read
// error part way ("Disk read error"), a symbolic link whose target is missing
// ("File not found": the storage it points to may only be absent for now).
std::optional<std::string> ReadFileIfExists(const std::string& path);

// The file's bytes; raises EInOutError when it cannot be read, missing
// included.
std::string ReadFile(const std::string& path);

// Replaces the file's content with data, or raises EInOutError and leaves the
// file as it was. The rules, for every file the program writes:
// - A symbolic link stays: the file it finally points to is written.
// - A file the user may not write is refused ("File access denied"); a file
//   without any write permission counts as read-only for root as well.
// - Usually the data goes to a temporary "NAME.tmp-XXXXXX" beside the file,
//   flushed to disk and renamed over it, keeping the file's mode, owner and
//   group. Temporaries of that pattern left by killed saves are removed; one
//   that a running save holds (it keeps a lock on it) is not.
// - A file with more than one hard link, one in a folder where no temporary
//   can be made, or one whose owner or group the temporary could not take, is
//   written in place: its old content is first kept as "NAME.bak" beside it
//   (NAME without its extension) when that can be written, and is put back if
//   the write fails part way.
// - A save holds a lock on the file while it runs, so two saves of one file
//   never interleave; a save waits a few seconds for another to end.
// - A device or pipe is written in place (a pipe without a reader raises); a
//   folder is refused.
void WriteFileReplacing(const std::string& path, std::string_view data);

// While one lives, saves into its folder write a published site: thousands of
// files that are the program's output and can be written again, so those
// saves follow these rules instead:
// - The name is taken as it is: a symbolic link is refused ("File access
//   denied") rather than followed, and a file with other hard links is
//   replaced rather than written through, so nothing outside the folder is
//   ever written. A folder is refused.
// - A new file is written straight to its name and removed again when that
//   write fails; a file that already holds the data is left alone; any other
//   file is replaced through a temporary as above, keeping its mode, owner and
//   group (written in place where the rules above say so, except a file with
//   other hard links, which is then refused).
// - Stale temporaries are looked for in one listing of the folder taken when
//   the batch begins instead of at every save.
// - Nothing is flushed to disk: the system writes the files out in its own
//   time, and a file a crash leaves short or blank differs from what the
//   next publishing writes, so that one replaces it.
// Saves into other folders keep the rules of WriteFileReplacing. One batch at
// a time; a second one made while another lives does nothing.
class TWriteBatch {
public:
    explicit TWriteBatch(const std::string& folder);
    ~TWriteBatch();
    TWriteBatch(const TWriteBatch&) = delete;
    TWriteBatch& operator=(const TWriteBatch&) = delete;

private:
    bool FActive = false;
};

bool FileExists(const std::string& path); // a regular file
bool DirectoryExists(const std::string& path);

// Path pieces. The folder part keeps its trailing "/".
std::string ExtractFilePath(const std::string& path);
std::string ExtractFileName(const std::string& path);
std::string ExtractFileExt(const std::string& path); // with the dot, or ""
std::string JoinPath(const std::string& folder, const std::string& name);
bool IsAbsolutePath(const std::string& path);

// Tests stand in for read(2) and write(2) to make a transfer fail or stop part
// way, as a failing disk or a killed process would. nullptr restores them.
namespace testing {
using TReadFunction = ssize_t (*)(int fd, void* buf, size_t count);
using TWriteFunction = ssize_t (*)(int fd, const void* buf, size_t count);
void SetReadFunction(TReadFunction read);
void SetWriteFunction(TWriteFunction write);
} // namespace testing

} // namespace fileio
