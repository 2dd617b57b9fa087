#include "records/PrimaryItems.h"

#include "records/EMailObject.h"
#include "records/FaxObject.h"
#include "records/PhoneObject.h"
#include "records/WebObject.h"
#include "store/FieldText.h"
#include "store/ObjectFactory.h"
#include "store/TextWriter.h"
#include "store/TreeNode.h"
#include "store/TreeNodes.h"

#include <algorithm>

namespace primary {

const std::array<TSlot, 5> kSlots = {{
    {kindAddress, "Primary Address", "Primary Address", &TPrimaryTitles::Address},
    {kindPhone, "Primary Phone", "Primary Phone", &TPrimaryTitles::Phone},
    {kindFax, "Primary Fax", "Primary FAX", &TPrimaryTitles::Fax},
    {kindEMail, "Primary EMail", "Primary E-Mail", &TPrimaryTitles::EMail},
    {kindWeb, "Primary Website", "Primary Website", &TPrimaryTitles::Web},
}};

namespace {
const TSlot& SlotOf(uint8_t kind) {
    for (const TSlot& s : kSlots)
        if (s.Kind == kind) return s;
    return kSlots[0];
}

int ColumnIndex(const std::vector<std::string>& names, const std::string& name) {
    auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}
} // namespace

void MakeSafe(TPrimaryTitles& titles) {
    for (const TSlot& s : kSlots)
        titles.*s.Field = fieldtext::SafeField(titles.*s.Field);
}

void SetupPopup(const TPrimaryTitles& titles, TItemPopup& menu) {
    menu.Show(peSendMail, !titles.EMail.empty());
    menu.Show(peSendFax, !titles.Fax.empty());
    menu.Show(peDial, !titles.Phone.empty());
    menu.Show(peBrowse, !titles.Web.empty());
    menu.Hide(peAdvanceDate);
    menu.Hide(peLaunch);
}

TKexObject* Find(const TKexObject& owner, const TPrimaryTitles& titles, uint8_t kind) {
    return owner.FindItem(titles.*SlotOf(kind).Field, kind);
}

void FillTitleList(const TKexObject& owner, uint8_t kind, std::vector<std::string>& list) {
    for (const auto& item : owner.Items())
        if (item->GetKind() == kind) list.push_back(item->GetTitle());
    if (kind != kindWeb || !owner.GetNode()) return;
    for (TTreeNode* c = owner.GetNode()->GetFirstChild(); c; c = c->GetNextSibling())
        if (c->Data() && c->Data()->GetKind() == kindWeb) list.push_back(c->Data()->GetTitle());
}

void SendMail(const TKexObject& owner, const TPrimaryTitles& titles,
              const std::string& attachment) {
    if (auto* m = dynamic_cast<TEMailObject*>(Find(owner, titles, kindEMail)))
        m->SendMail(attachment);
}

void SendFax(const TKexObject& owner, const TPrimaryTitles& titles, const std::string& document) {
    if (auto* f = dynamic_cast<TFaxObject*>(Find(owner, titles, kindFax))) f->SendFax(document);
}

void Dial(const TKexObject& owner, const TPrimaryTitles& titles) {
    if (auto* p = dynamic_cast<TPhoneObject*>(Find(owner, titles, kindPhone))) p->Dial();
}

void Browse(const TKexObject& owner, const TPrimaryTitles& titles) {
    if (auto* w = dynamic_cast<TWebObject*>(Find(owner, titles, kindWeb))) w->Browse();
}

void BlankComment(std::vector<std::string>& values, const std::vector<std::string>& names) {
    int i = ColumnIndex(names, "Comment");
    if (i >= 0 && i < static_cast<int>(values.size())) values[static_cast<size_t>(i)].clear();
}

void ImportPrimaries(TKexObject& owner, std::vector<std::string>& values,
                     const std::vector<std::string>& names, TPrimaryTitles& titles) {
    TTreeNode* node = owner.GetNode();
    if (!node) return;
    // Each attempt writes its fixed title into the row's "Title" value. A row
    // without that column (or shorter than its names) gets a working copy
    // that has one, so every item import sees a complete row.
    std::vector<std::string> rowCopy;
    std::vector<std::string> namesCopy;
    std::vector<std::string>* row = &values;
    const std::vector<std::string>* cols = &names;
    int t = ColumnIndex(names, "Title");
    if (t < 0 || values.size() < names.size()) {
        rowCopy = values;
        rowCopy.resize(names.size());
        namesCopy = names;
        if (t < 0) {
            namesCopy.push_back("Title");
            rowCopy.emplace_back();
            t = static_cast<int>(namesCopy.size()) - 1;
        }
        row = &rowCopy;
        cols = &namesCopy;
    }
    for (const TSlot& s : kSlots) {
        (*row)[static_cast<size_t>(t)] = s.ImportTitle;
        TCreated c = CreateObject(s.Kind, "New", "", "", node, "", 0);
        if (c.Object->ImportColumns(*row, *cols)) {
            titles.*s.Field = c.Object->GetTitle();
        } else if (c.Node) {
            c.Node->Owner()->Delete(c.Node);
        } else {
            owner.DeleteItem(c.Object);
        }
    }
}

void CsvField(const TKexObject& owner, const TPrimaryTitles& titles, const std::string& fieldName,
              std::string& text) {
    for (const TSlot& s : kSlots) {
        if (TKexObject* item = owner.FindItem(titles.*s.Field, s.Kind)) {
            std::string v;
            item->GetCsvField(fieldName, v);
            if (!v.empty()) {
                text = v;
                return;
            }
        }
    }
    text = ",";
}

void WriteItemHtml(const TKexObject& owner, const TPrimaryTitles& titles, uint8_t kind,
                   TTextWriter& f) {
    if (TKexObject* item = Find(owner, titles, kind)) item->WriteHtmlContent(f, false);
}

void WriteOtherItemsHtml(const TKexObject& owner, const TPrimaryTitles& titles, TTextWriter& f,
                         const char* afterEach) {
    for (const auto& item : owner.Items()) {
        const std::string& title = item->GetTitle();
        // An empty primary field names no item, so it must not hide the
        // items whose title happens to be empty as well.
        bool isPrimaryTitle = std::any_of(kSlots.begin(), kSlots.end(), [&](const TSlot& s) {
            const std::string& p = titles.*s.Field;
            return !p.empty() && p == title;
        });
        if (isPrimaryTitle) continue;
        item->WriteHtmlContent(f, false);
        if (afterEach && *afterEach) f.WriteLn(afterEach);
    }
}

} // namespace primary
