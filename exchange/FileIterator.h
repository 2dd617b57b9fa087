#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

// A depth-first walk over a folder and its subfolders that hands every file
// to a handler (the favorites import takes the ".url" and ".desktop" files).
//
// Entries of a folder come in name order (letter case ignored), as a
// Windows file system lists them, so a walk gives the same result on every
// machine. A subfolder is walked where it stands among the entries, before
// the entries after it. Folders whose names begin with "." are skipped, and
// so are sockets, pipes and devices: reading one could block the import.
// Every folder is walked once, however many links lead to it, so a
// symbolic link to a parent folder ends. A folder that cannot be read is
// reported (OnSkipFolder, and in SkippedFolders) and the walk goes on.
//
// Usage:
//   TFileIterator it;
//   it.SetRootFolder(dir);
//   it.SetOptions(fiPath | fiRecurseFolders);
//   it.OnAddFile = [&](TFileIterator&, const std::string& path, const TFileInfo&) { ... };
//   it.Execute();

class EFileIteratorError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum TFileIteratorOption : unsigned {
    fiPath = 1,           // hand on full paths, not bare names
    fiDetails = 2,        // fill TFileInfo (else it stays zero)
    fiRecurseFolders = 4, // walk subfolders too
};
using TFileIteratorOptions = unsigned;

struct TFileInfo {
    uint64_t Size = 0;
    std::time_t LastWriteTime = 0;
    uint32_t Attributes = 0; // the file's mode bits
};

class TFileIterator {
public:
    using TAddFileEvent =
        std::function<void(TFileIterator& sender, const std::string& fileName, const TFileInfo&)>;
    using TAddFileQueryEvent = std::function<void(
        TFileIterator& sender, const std::string& fileName, const TFileInfo&, bool& canAdd)>;
    using TNotifyEvent = std::function<void(TFileIterator& sender)>;
    using TSkipFolderEvent = std::function<void(TFileIterator& sender, const std::string& folder,
                                                const std::string& message)>;

    TFileIterator();

    TFileIteratorOptions Options() const { return FOptions; }
    const std::string& RootFolder() const { return FRootFolder; }
    // Both raise EFileIteratorError while a walk runs.
    void SetOptions(TFileIteratorOptions options);
    void SetRootFolder(const std::string& folder);

    // Walks RootFolder; returns at once when neither OnAddFile nor
    // OnAddFileQuery is set. Raises EFileIteratorError when a walk runs.
    // OnTerminate is called however the walk ends, an exception included.
    void Execute();
    // Asks a running walk to stop after the entry in hand.
    void Stop();
    bool Running() const { return FState != TState::Idle; }

    TAddFileEvent OnAddFile;
    TAddFileQueryEvent OnAddFileQuery;
    TNotifyEvent OnActivate;
    TNotifyEvent OnTerminate;
    TSkipFolderEvent OnSkipFolder;

    struct TSkipped {
        std::string Folder;
        std::string Message;
    };
    // The folders the last walk could not read.
    const std::vector<TSkipped>& SkippedFolders() const { return FSkipped; }

private:
    enum class TState { Idle, Running, StopRequested };
    struct TVisited;
    void Walk(std::string folder, TVisited& visited);
    void Skip(const std::string& folder, const std::string& message);

    TFileIteratorOptions FOptions = fiPath | fiDetails | fiRecurseFolders;
    std::string FRootFolder = "/";
    TState FState = TState::Idle;
    std::vector<TSkipped> FSkipped;
};

// Whether a file name matches a mask such as "*.csv" or "bookmark.htm"
// ("*" any run of characters, "?" one), letter case ignored, so "*.CSV"
// finds "people.csv". "*.*" and "*" match every name.
bool MatchesMask(const std::string& fileName, const std::string& mask);

// The first of the names that a file in the folder bears, letter case
// ignored (an exact match wins); its full path, or "" when none is there.
std::string FindFileInFolder(const std::string& folder, std::initializer_list<const char*> names);
