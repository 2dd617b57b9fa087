#pragma once

// Fakes of every service, for tests. Each records what it was asked so a
// test can check the exact calls and arguments.
#include "platform/BrowserLink.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/ImageList.h"
#include "platform/MailSystem.h"
#include "platform/MainWindow.h"
#include "platform/MessageBox.h"
#include "platform/RandomSource.h"
#include "platform/ShellService.h"
#include "platform/Telephony.h"
#include "platform/ViewFactory.h"
#include "store/FilterState.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class TFakeClock : public IClock {
public:
    TDate Today() const override { return Date; }
    TDate Date{1998, 3, 14};
};

// Answers the queued values in turn, then Fallback.
class TFakeRandom : public IRandom {
public:
    int Random(int range) override {
        Calls.push_back(range);
        if (Values.empty()) return Fallback % (range > 0 ? range : 1);
        int v = Values.front();
        Values.pop_front();
        return v;
    }
    std::deque<int> Values;
    int Fallback = 7;
    std::vector<int> Calls;
};

class TFakeClipboard : public IClipboard {
public:
    void SetData(const TClipboardData& data) override {
        Data = data;
        ++SetCount;
    }
    std::optional<std::string> PrivateText() const override { return Data.Private; }
    TClipboardData Data;
    int SetCount = 0;
};

class TRecordingShell : public IShell {
public:
    struct Call {
        std::string File, Parameters, Directory;
        int ShowCmd;
    };
    bool Open(const std::string& file, const std::string& parameters, const std::string& directory,
              int showCmd) override {
        Calls.push_back({file, parameters, directory, showCmd});
        return Result;
    }
    std::vector<Call> Calls;
    bool Result = true; // what every call answers
};

class TRecordingTelephony : public ITelephony {
public:
    struct Call {
        std::string Dest, App, Party, Comment;
    };
    long RequestMakeCall(const std::string& d, const std::string& a, const std::string& p,
                         const std::string& c) override {
        Calls.push_back({d, a, p, c});
        return 0;
    }
    std::vector<Call> Calls;
};

class TRecordingMail : public IMailSystem {
public:
    uint32_t Logon(const std::optional<std::string>& profile, const std::optional<std::string>& pw,
                   uint32_t flags, uint32_t& session) override;
    uint32_t Logoff(uint32_t session) override;
    uint32_t ResolveName(uint32_t session, const std::string& name, uint32_t flags,
                         TMapiRecipient& recipient) override;
    uint32_t SendMail(uint32_t session, const TMapiMessage& message, uint32_t flags) override;
    std::optional<std::string> DefaultProfile() const override { return Profile; }

    struct LogonCall {
        std::optional<std::string> Profile, Password;
        uint32_t Flags;
    };
    std::vector<LogonCall> Logons;
    std::vector<uint32_t> Logoffs;
    std::vector<std::pair<std::string, uint32_t>> Resolves;
    struct SendCall {
        TMapiMessage Message;
        uint32_t Flags;
        uint32_t Session;
    };
    std::vector<SendCall> Sent;

    std::deque<uint32_t> LogonResults;             // default success
    std::map<std::string, uint32_t> ResolveResult; // by name; default success
    // By name, for a resolve that may ask the user (flag mapi::Dialog);
    // default ResolveResult.
    std::map<std::string, uint32_t> DialogResolveResult;
    // The display name a name resolves to; default the name itself.
    std::map<std::string, std::string> DisplayNames;
    uint32_t SendResult = mapi::SuccessSuccess;
    std::optional<std::string> Profile;
    uint32_t NextSession = 100;
};

class TRecordingBrowser : public IBrowserLink {
public:
    void SetAutoLoad(bool v) override { FAutoLoad = v; }
    bool AutoLoad() const override { return FAutoLoad; }
    void SetDefaultServer(const std::string& n) override { FServer = n; }
    std::string DefaultServer() const override { return FServer; }
    void SetDefaultApp(const std::string& p) override { FApp = p; }
    std::string DefaultApp() const override { return FApp; }
    void OpenURL(const std::string& address, std::string& reply) override {
        Opened.push_back({address, FAutoLoad});
        reply = "1";
    }
    void GetURL(std::string& address, std::string& title) override {
        address = PageAddress;
        title = PageTitle;
        ++GetCount;
    }
    std::string CaptureHint() const override { return Hint; }
    struct Open {
        std::string Address;
        bool AutoLoad;
    };
    std::vector<Open> Opened;
    std::string PageAddress, PageTitle;
    std::string Hint;
    int GetCount = 0;

private:
    bool FAutoLoad = true;
    std::string FServer, FApp;
};

class TFakeImageList : public IImageList {
public:
    int AddFileIcon(const std::string& path) override {
        Added.push_back(path);
        return Next++;
    }
    void ReplaceFileIcon(int index, const std::string& path) override {
        Replaced.push_back({index, path});
    }
    int AddProgramIcon(const std::string& path) override {
        Added.push_back(path);
        return Next++;
    }
    void ReplaceProgramIcon(int index, const std::string& path) override {
        Replaced.push_back({index, path});
    }
    int Next = 14;
    std::vector<std::string> Added;
    std::vector<std::pair<int, std::string>> Replaced;
};

class TFakeMainWindow : public IMainWindow {
public:
    std::vector<std::string> CategoryNames() const override { return Names; }
    std::string ActivePaneName() const override { return ActivePane; }
    std::vector<TKexObject*> SelectedListObjects() const override { return Selected; }
    void EditNodeText(TTreeNode* node) override { Edited.push_back(node); }
    void SelectNode(TTreeNode* node) override { SelectedNodes.push_back(node); }
    int ToolImageIndex(const std::string& fileName) const override {
        auto it = ToolImages.find(fileName);
        return it == ToolImages.end() ? 13 : it->second;
    }

    std::vector<std::string> Names;
    std::string ActivePane = "Folders";
    std::vector<TKexObject*> Selected;
    std::vector<TTreeNode*> Edited;
    std::vector<TTreeNode*> SelectedNodes;
    std::map<std::string, int> ToolImages;
};

// A view factory whose views run a script: a test registers, per form name, a
// function that sets the presenter's fields, calls its handlers and answers
// how the form closed. A form without a script counts as cancelled.
class TScriptedViews : public IViewFactory {
public:
    using Script = std::function<TModalResult(TFormPresenter&)>;

    // Scripts of a form run in the order given, one per showing; the last one
    // given also serves every later showing until another is given.
    void On(const std::string& formName, Script script) {
        auto& q = FScripts[formName];
        if (q.size() == 1 && q.front().Used) q.clear();
        q.push_back({std::move(script), false});
    }
    // Typed convenience: the script gets the presenter's own class.
    template <typename P>
    void On(const std::string& formName, std::function<TModalResult(P&)> script) {
        On(formName, Script([script](TFormPresenter& p) { return script(dynamic_cast<P&>(p)); }));
    }

    std::unique_ptr<IFormView> CreateView(TFormPresenter& presenter) override;
    int MessageBox(const std::string& text, const std::string& caption, int type) override;
    std::optional<std::string> OpenFileName(const std::string& title,
                                            const std::string& initialFolder,
                                            const std::string& filter, bool mustExist) override;

    struct Box {
        std::string Text, Caption;
        int Type;
    };
    std::vector<Box> Boxes;
    std::deque<int> Answers;        // answers to message boxes, in turn; default id::Yes
    std::vector<std::string> Shown; // form names, in the order shown

    struct FileDialog {
        std::string Title, InitialFolder, Filter;
        bool MustExist;
    };
    std::vector<FileDialog> FileDialogs;
    // Answers to file-open dialogs, in turn; nullopt (and an empty queue)
    // is a cancelled dialog.
    std::deque<std::optional<std::string>> FileNames;

private:
    struct Entry {
        Script Run;
        bool Used;
    };
    std::map<std::string, std::deque<Entry>> FScripts;
};
