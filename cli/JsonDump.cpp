#include "cli/JsonDump.h"

#include "platform/TextCodec.h"
#include "store/KexObject.h"
#include "store/TreeNode.h"

#include <vector>

using nlohmann::ordered_json;

namespace {
std::string Utf8(const std::string& s) {
    return textcodec::ToDisplayUtf8(s);
}

ordered_json FieldJson(const TFieldValue& v) {
    if (auto* s = std::get_if<std::string>(&v)) return Utf8(*s);
    if (auto* i = std::get_if<int64_t>(&v)) return *i;
    ordered_json arr = ordered_json::array();
    for (const auto& s : std::get<std::vector<std::string>>(v))
        arr.push_back(Utf8(s));
    return arr;
}
} // namespace

ordered_json DumpRecord(const TKexObject& r) {
    ordered_json j;
    j["Kind"] = r.GetKind();
    j["Title"] = Utf8(r.GetTitle());
    j["Target"] = Utf8(r.GetTarget());
    j["Comment"] = Utf8(r.GetComment());
    j["ObjectId"] = r.GetObjectId();
    j["Categories"] = r.GetCategories();
    j["Due"] = r.GetDue();
    j["DueCount"] = r.GetDueCount();
    TFieldList fields;
    r.ListFields(fields);
    for (const auto& [name, value] : fields)
        j[name] = FieldJson(value);
    ordered_json items = ordered_json::array();
    for (const auto& item : r.Items())
        items.push_back(DumpRecord(*item));
    j["Items"] = std::move(items);
    return j;
}

ordered_json DumpNode(const TTreeNode& root) {
    // Built without recursion: a damaged file may nest very deeply.
    struct Frame {
        const TTreeNode* Node;
        ordered_json* Out;
    };
    ordered_json result;
    std::vector<Frame> stack{{&root, &result}};
    while (!stack.empty()) {
        Frame f = stack.back();
        stack.pop_back();
        ordered_json& j = *f.Out;
        if (const TKexObject* r = f.Node->Data())
            j = DumpRecord(*r);
        else
            j = ordered_json::object();
        j["Text"] = Utf8(f.Node->Text());
        j["Nodes"] = ordered_json::array();
        ordered_json& nodes = j["Nodes"];
        for (int i = 0; i < f.Node->Count(); ++i)
            nodes.push_back(ordered_json());
        for (int i = f.Node->Count() - 1; i >= 0; --i)
            stack.push_back({f.Node->Child(i), &nodes[static_cast<size_t>(i)]});
    }
    return result;
}
