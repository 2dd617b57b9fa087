#pragma once

#include "records/AddressObject.h"
#include "records/OrgObject.h"
#include "records/PersonObject.h"
#include "store/TreeNode.h"

#include <string>

// The records below a node as text, one line per record and item, indented
// by depth: a person with its names and primary titles, an organization with
// its primary titles, an address with its fields, every other record with
// its title, target and comment.
inline std::string DescribeRecord(const TKexObject& r) {
    static const char* const kinds[] = {"folder",   "org",   "team",  "person", "web",
                                        "address",  "phone", "email", "fax",    "reminder",
                                        "document", "root",  "tool"};
    std::string s = std::string(r.GetKind() <= 12 ? kinds[r.GetKind()] : "other") + " " +
                    r.GetTitle() + "|" + r.GetTarget() + "|" + r.GetComment();
    auto primaries = [](const TPrimaryTitles& t) {
        return " P=" + t.Address + "/" + t.Phone + "/" + t.Fax + "/" + t.EMail + "/" + t.Web;
    };
    if (auto* p = dynamic_cast<const TPersonObject*>(&r))
        s += " N=" + p->LastName() + "/" + p->FirstName() + "/" + p->MiddleName() + "/" +
             p->Salutation() + primaries(p->PrimaryTitles());
    else if (auto* o = dynamic_cast<const TOrgObject*>(&r))
        s += primaries(o->PrimaryTitles());
    else if (auto* a = dynamic_cast<const TAddressObject*>(&r))
        s += " A=" + a->Line(0) + "/" + a->Line(1) + "/" + a->Line(2) + "/" + a->City() + "/" +
             a->State() + "/" + a->PostCode() + "/" + a->Country();
    return s;
}

inline std::string DescribeBelow(const TTreeNode* node, const std::string& indent = "") {
    std::string s;
    for (int i = 0; i < node->Count(); ++i) {
        const TTreeNode* child = node->Child(i);
        s += indent + DescribeRecord(*child->Data()) + "\n";
        for (const auto& item : child->Data()->Items())
            s += indent + "  " + DescribeRecord(*item) + "\n";
        s += DescribeBelow(child, indent + "  ");
    }
    return s;
}
