#include "exchange/FileIterator.h"

#include "platform/Errors.h"
#include "platform/FileIO.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <dirent.h>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace {

char Fold(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i)
        if (Fold(a[i]) != Fold(b[i])) return Fold(a[i]) < Fold(b[i]);
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Fold(x) == Fold(y); });
}

// The names in a folder, "." and ".." left out; errno set and false on failure.
bool ListFolder(const std::string& folder, std::vector<std::string>& names) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return false;
    errno = 0;
    while (dirent* e = ::readdir(dir)) {
        std::string name = e->d_name;
        if (name != "." && name != "..") names.push_back(std::move(name));
    }
    int err = errno;
    ::closedir(dir);
    errno = err;
    return err == 0;
}

std::string Join(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

std::string ErrnoMessage(int err) {
    return EInOutError::MessageFor(EInOutError::CodeFromErrno(err));
}

} // namespace

struct TFileIterator::TVisited {
    std::set<std::pair<dev_t, ino_t>> Folders;
};

TFileIterator::TFileIterator() = default;

void TFileIterator::SetOptions(TFileIteratorOptions options) {
    if (Running()) throw EFileIteratorError("Cannot change options on fly. Try later");
    FOptions = options;
}

void TFileIterator::SetRootFolder(const std::string& folder) {
    if (Running()) throw EFileIteratorError("Cannot change options on fly. Try later");
    FRootFolder = folder;
}

void TFileIterator::Stop() {
    if (FState == TState::Running) FState = TState::StopRequested;
}

void TFileIterator::Execute() {
    if (Running())
        throw EFileIteratorError(
            "Iterator is not available at the moment. Please call later, but do call");
    if (!OnAddFile && !OnAddFileQuery) return;
    FState = TState::Running;
    FSkipped.clear();
    auto finish = [this] {
        FState = TState::Idle;
        if (OnTerminate) OnTerminate(*this);
    };
    try {
        if (OnActivate) OnActivate(*this);
        TVisited visited;
        Walk(FRootFolder, visited);
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TFileIterator::Skip(const std::string& folder, const std::string& message) {
    FSkipped.push_back({folder, message});
    if (OnSkipFolder) OnSkipFolder(*this, folder, message);
}

void TFileIterator::Walk(std::string folder, TVisited& visited) {
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    struct stat st {};
    if (::stat(folder.empty() ? "." : folder.c_str(), &st) != 0) {
        Skip(folder, ErrnoMessage(errno));
        return;
    }
    // A folder reached again through a link is not walked twice.
    if (!visited.Folders.insert({st.st_dev, st.st_ino}).second) return;
    std::vector<std::string> names;
    if (!ListFolder(folder, names)) {
        Skip(folder, ErrnoMessage(errno));
        return;
    }
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    for (const std::string& name : names) {
        if (FState == TState::StopRequested) return;
        std::string path = Join(folder, name);
        struct stat entry {};
        if (::stat(path.c_str(), &entry) != 0) continue; // a link to nothing
        if (S_ISDIR(entry.st_mode)) {
            if (name[0] != '.' && (FOptions & fiRecurseFolders)) Walk(path, visited);
            continue;
        }
        if (!S_ISREG(entry.st_mode)) continue;
        TFileInfo info;
        if (FOptions & fiDetails) {
            info.Size = static_cast<uint64_t>(entry.st_size);
            info.LastWriteTime = entry.st_mtime;
            info.Attributes = entry.st_mode;
        }
        const std::string& handed = (FOptions & fiPath) ? path : name;
        bool canAdd = true;
        if (OnAddFileQuery) OnAddFileQuery(*this, handed, info, canAdd);
        if (canAdd && OnAddFile) OnAddFile(*this, handed, info);
    }
}

bool MatchesMask(const std::string& name, const std::string& mask) {
    if (mask == "*.*") return true;
    // Greedy match with one step back to the last "*": linear for one star,
    // never exponential.
    size_t n = 0, m = 0, starM = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || Fold(mask[m]) == Fold(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starM = m++;
            starN = n;
        } else if (starM != std::string::npos) {
            m = starM + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

std::string FindFileInFolder(const std::string& folder, std::initializer_list<const char*> names) {
    std::vector<std::string> present;
    if (!ListFolder(folder, present)) return {};
    std::sort(present.begin(), present.end());
    for (const char* wanted : names) {
        std::string exact = fileio::JoinPath(folder, wanted);
        if (fileio::FileExists(exact)) return exact;
        for (const std::string& p : present)
            if (SameIgnoringCase(p, wanted) && fileio::FileExists(fileio::JoinPath(folder, p)))
                return fileio::JoinPath(folder, p);
    }
    return {};
}
