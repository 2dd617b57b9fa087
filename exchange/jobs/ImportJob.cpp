#include "exchange/jobs/ImportJob.h"

#include "exchange/BookmarkPage.h"
#include "exchange/CsvColumns.h"
#include "exchange/IShortCut.h"
#include "exchange/ImportError.h"
#include "exchange/NicknameFile.h"
#include "exchange/jobs/VCardImport.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "store/ContactStore.h"
#include "store/DataFile.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNode.h"
#include "store/TreeNodes.h"

#include <algorithm>
#include <cctype>

namespace {

// A stored comment holds at most this many characters (the nickname notes).
constexpr size_t kMaxNote = 255;

int CountRecords(const TTreeNodes& tree) {
    int n = 0;
    for (const TTreeNode* node : tree.InOrder())
        if (const TKexObject* r = node->Data()) n += 1 + static_cast<int>(r->Items().size());
    return n;
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

const std::vector<std::string>& ImportTypeNames() {
    static const std::vector<std::string> names = {
        "tvd", "favorites", "bookmarks", "addressbook", "nicknames", "csv", "vcard"};
    return names;
}

bool ImportTypeFromName(const std::string& name, TImportType& type) {
    std::string lower = name;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto& names = ImportTypeNames();
    auto it = std::find(names.begin(), names.end(), lower);
    if (it == names.end()) return false;
    type = static_cast<TImportType>(it - names.begin());
    return true;
}

std::string TImportResult::Summary() const {
    return std::to_string(Created) + (Created == 1 ? " record" : " records") + " created, " +
           std::to_string(Skipped) + (Skipped == 1 ? " line" : " lines") + " skipped";
}

TImportResult TImportJob::Run(const TImportRequest& request) {
    FResult = {};
    FFilled.clear();
    FFile = request.Path;
    FLine = 0;
    {
        // The tree's views hold their place through the one layout change at
        // the end; the document sorts each filled parent once.
        TTreeUpdate quiet(FDocument.Tree());
        TContactStore::TUpdate scope(FDocument);
        try {
            Dispatch(request);
        } catch (const EImportError& e) {
            FResult.Error = e.Where();
        } catch (const EInOutError& e) {
            FResult.Error =
                e.FileName().empty() ? EImportError(e.what(), FFile, FLine).Where() : e.Where();
        } catch (const std::exception& e) {
            FResult.Error = EImportError(e.what(), FFile, FLine).Where();
        }
        for (TTreeNode* parent : FFilled)
            FDocument.SortChildren(parent);
    }
    return FResult;
}

void TImportJob::Dispatch(const TImportRequest& request) {
    if (!request.Parent) throw EImportError("no place to import into");
    switch (request.Type) {
    case TImportType::Transfer:
        ImportTransfer(request);
        break;
    case TImportType::Favorites:
        ImportFavorites(request);
        break;
    case TImportType::Bookmarks:
        ImportPage(request, false);
        break;
    case TImportType::AddressBook:
        ImportPage(request, true);
        break;
    case TImportType::Nicknames:
        ImportNicknames(request);
        break;
    case TImportType::Csv:
        ImportCsv(request);
        break;
    case TImportType::VCard:
        ImportVCard(request);
        break;
    }
}

TTreeNode* TImportJob::MakeFolder(const std::string& title, TTreeNode* parent) {
    TTreeNode* folder = CreateObject(kindFolder, title, "", "", parent, "", 0).Node;
    FFilled.push_back(parent);
    ++FResult.Folders;
    return folder;
}

std::string TImportJob::SourceFile(const std::string& path,
                                   std::string (*find)(const std::string&)) {
    if (!fileio::DirectoryExists(path)) return path;
    std::string found = find(path);
    if (found.empty()) throw EInOutError(io_error::FileNotFound, path);
    return found;
}

void TImportJob::ImportTransfer(const TImportRequest& request) {
    // The reader takes only ".tvd" names and passes over a file it cannot
    // open; here both are errors the user hears of.
    if (!IsTransferFileName(request.Path))
        throw EImportError("a transfer file needs the extension .tvd", request.Path);
    std::string text = fileio::ReadFile(request.Path);
    const int before = CountRecords(FDocument.Tree());
    const int nodesBefore = FDocument.Tree().Count();
    try {
        ReadTransferText(request.Parent, text, request.Path);
    } catch (...) {
        FResult.Created = CountRecords(FDocument.Tree()) - before;
        throw;
    }
    FResult.Created = CountRecords(FDocument.Tree()) - before;
    if (FDocument.Tree().Count() != nodesBefore) FDocument.Tree().SortAll();
}

void TImportJob::ImportFavorites(const TImportRequest& request) {
    const std::string dir = WithoutTrailingSlash(request.Path);
    if (!fileio::DirectoryExists(dir)) throw EInOutError(io_error::FileNotFound, dir);
    // Every shortcut is read before anything is made: one that cannot be read
    // stops the import naming it, with the tree as it was.
    TFavorites favorites = ReadFavorites(dir);
    for (const auto& skipped : favorites.SkippedFolders)
        FResult.Warnings.push_back(skipped.Folder + ": " + skipped.Message);

    // The chosen folder becomes one folder; each subfolder, however deep,
    // becomes a folder directly below it, unless a node anywhere in the tree
    // already bears its name: then its links go there.
    TTreeNode* root = MakeFolder(GetFolderName(dir + "/"), request.Parent);
    FResult.Folder = root;
    const std::string rootPrefix = dir == "/" ? dir : dir + "/";
    TTreeNode* dest = root;
    for (const TFavoriteLink& link : favorites.Links) {
        FFile = link.Path;
        if (fileio::ExtractFilePath(link.Path) == rootPrefix) {
            // The chosen folder's own links go to the folder made for it, not
            // to an older node of the same name.
            dest = root;
        } else if (link.FolderName != dest->Text()) {
            dest = nullptr;
            for (TTreeNode* n : FDocument.Tree().InOrder()) {
                // A website is no place for other websites.
                if (n->Text() == link.FolderName && n->Data() && n->Data()->GetKind() != kindWeb) {
                    dest = n;
                    break;
                }
            }
            if (!dest) dest = MakeFolder(link.FolderName, root);
        }
        CreateObject(kindWeb, link.Title, link.URL, "", dest, "", 0);
        FFilled.push_back(dest);
        ++FResult.Created;
    }
}

void TImportJob::ImportPage(const TImportRequest& request, bool addressBook) {
    const std::string file =
        SourceFile(request.Path, addressBook ? &FindAddressFile : &FindBookmarkFile);
    FFile = file;
    TBookmarkPage page = ReadBookmarkPage(file);
    // One folder titled like the page; the page's own folders are not made.
    TTreeNode* folder = MakeFolder(page.Title, request.Parent);
    FResult.Folder = folder;
    if (addressBook) {
        for (const TAddressEntry& e : AddressBookEntries(page)) {
            FLine = e.Line;
            CreateObject(kindEMail, e.Title, e.Address, "", folder, "", 0);
            ++FResult.Created;
        }
    } else {
        for (const TBookmark* b : page.Anchors()) {
            FLine = b->Line;
            CreateObject(kindWeb, b->Title, b->Address, "", folder, "", 0);
            ++FResult.Created;
        }
        FFilled.push_back(folder);
    }
}

void TImportJob::ImportNicknames(const TImportRequest& request) {
    const std::string file = SourceFile(request.Path, &FindNicknameFile);
    FFile = file;
    TNicknameFile nicknames = ReadNicknameFile(file);
    TTreeNode* folder = MakeFolder("Eudora Addresses", request.Parent);
    FResult.Folder = folder;
    for (const TNickname& n : nicknames.Entries) {
        FLine = n.Line;
        std::string note = n.Note.substr(0, kMaxNote);
        CreateObject(kindEMail, n.Nickname, n.Address, note, folder, "", 0);
        ++FResult.Created;
    }
}

void TImportJob::ImportCsv(const TImportRequest& request) {
    const auto& types = CsvRecordTypes();
    if (request.Csv.RecordType >= types.size())
        throw EImportError("no such record type", request.Path);
    const TCsvRecordType& type = types[request.Csv.RecordType];
    TCsvReader csv = TCsvReader::Open(request.Path, request.Csv.Options);
    if (csv.Replaced() > 0)
        FResult.Warnings.push_back(request.Path + ": " + std::to_string(csv.Replaced()) +
                                   " byte sequences are no " + csv.Encoding() +
                                   " text and were replaced");

    const bool header = request.Csv.Options.HeaderLine;
    TCsvColumnMap map;
    std::vector<std::string> fields = request.Csv.Fields;
    if (header) {
        map = TCsvColumnMap(csv.Header(), type.Fields);
        if (fields.empty()) fields = map.Fields();
    }
    const bool isNode = type.Kind <= kindWeb;
    TTreeNode* dest = request.Parent;
    if (isNode) FFilled.push_back(dest);
    std::vector<std::string> values, names;
    for (TCsvRow row; csv.Next(row);) {
        FLine = row.Line;
        // A person without a "Title" column is titled by its name, not "New".
        TCreated made = CreateObject(static_cast<uint8_t>(type.Kind),
                                     type.Kind == kindPerson ? "" : "New", "", "", dest, "", 0);
        bool taken;
        if (header) {
            map.Select(row.Values, fields, values, names);
            taken = made.Object->ImportColumns(values, names);
        } else {
            taken = made.Object->ImportColumns(row.Values, fields);
        }
        if (taken) {
            ++FResult.Created;
        } else {
            ++FResult.Skipped;
            if (isNode)
                FDocument.Tree().Delete(made.Node);
            else
                DeleteListItem(dest, made.Object);
        }
    }
}

void TImportJob::ImportVCard(const TImportRequest& request) {
    // A card naming an organization is asked about (a person without a desktop).
    TVCardImport done = ImportVCardFile(request.Path, request.Parent, TCardOrgMode::Ask);
    FResult.Created += done.RecordsCreated;
    FResult.Skipped += done.Skipped;
    FFilled.push_back(request.Parent);
}
