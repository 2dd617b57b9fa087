#include "support/Fakes.h"

uint32_t TRecordingMail::Logon(const std::optional<std::string>& profile,
                               const std::optional<std::string>& pw, uint32_t flags,
                               uint32_t& session) {
    Logons.push_back({profile, pw, flags});
    uint32_t r = mapi::SuccessSuccess;
    if (!LogonResults.empty()) {
        r = LogonResults.front();
        LogonResults.pop_front();
    }
    if (r == mapi::SuccessSuccess) session = NextSession++;
    return r;
}

uint32_t TRecordingMail::Logoff(uint32_t session) {
    Logoffs.push_back(session);
    return mapi::SuccessSuccess;
}

uint32_t TRecordingMail::ResolveName(uint32_t /*session*/, const std::string& name, uint32_t flags,
                                     TMapiRecipient& recipient) {
    Resolves.push_back({name, flags});
    auto it = ResolveResult.find(name);
    uint32_t r = it == ResolveResult.end() ? mapi::SuccessSuccess : it->second;
    if (flags & mapi::Dialog) {
        auto d = DialogResolveResult.find(name);
        if (d != DialogResolveResult.end()) r = d->second;
    }
    if (r == mapi::SuccessSuccess) {
        auto n = DisplayNames.find(name);
        recipient.Name = n == DisplayNames.end() ? name : n->second;
        recipient.Address = name;
    }
    return r;
}

uint32_t TRecordingMail::SendMail(uint32_t session, const TMapiMessage& message, uint32_t flags) {
    Sent.push_back({message, flags, session});
    return SendResult;
}

namespace {
class TScriptedView : public IFormView {
public:
    TScriptedView(TFormPresenter& p, TScriptedViews::Script s)
        : FPresenter(p), FScript(std::move(s)) {}
    TModalResult ShowModal() override {
        TModalResult r = FScript(FPresenter);
        return FClosed != mrNone ? FClosed : r;
    }
    void Refresh() override { ++Refreshes; }
    void Close(TModalResult result) override { FClosed = result; }
    int Refreshes = 0;

private:
    TFormPresenter& FPresenter;
    TScriptedViews::Script FScript;
    TModalResult FClosed = mrNone;
};
} // namespace

std::unique_ptr<IFormView> TScriptedViews::CreateView(TFormPresenter& presenter) {
    Shown.push_back(presenter.FormName());
    auto it = FScripts.find(presenter.FormName());
    if (it == FScripts.end() || it->second.empty())
        return std::make_unique<TScriptedView>(presenter, [](TFormPresenter&) { return mrCancel; });
    Script s = it->second.front().Run;
    it->second.front().Used = true;
    if (it->second.size() > 1) it->second.pop_front(); // the last script stays for later showings
    return std::make_unique<TScriptedView>(presenter, s);
}

int TScriptedViews::MessageBox(const std::string& text, const std::string& caption, int type) {
    Boxes.push_back({text, caption, type});
    if (Answers.empty()) return id::Yes;
    int a = Answers.front();
    Answers.pop_front();
    return a;
}

std::optional<std::string> TScriptedViews::OpenFileName(const std::string& title,
                                                        const std::string& initialFolder,
                                                        const std::string& filter, bool mustExist) {
    FileDialogs.push_back({title, initialFolder, filter, mustExist});
    if (FileNames.empty()) return std::nullopt;
    std::optional<std::string> answer = FileNames.front();
    FileNames.pop_front();
    return answer;
}
