#pragma once

#include "records/AddressObject.h"
#include "records/OrgObject.h"
#include "records/PersonObject.h"
#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// A postal address as the address dialog takes it.
struct TPostal {
    std::vector<std::string> Lines;
    std::string City, State, PostCode, Country;
};

// An empty tree under "My Contacts" and the records the reports print.
class PrintingFixture : public ::testing::Test {
protected:
    TTestServices svc;
    TContactStore doc;
    TTreeNodes& tree = doc.Tree();
    TTreeNode* root = doc.Root();

    TTreeNode* Folder(const std::string& title, TTreeNode* parent = nullptr) {
        return CreateObject(kindFolder, title, "", "", parent ? parent : root, "", 0).Node;
    }

    static TAddressObject& Address(TTreeNode* owner, const std::string& title, const TPostal& p) {
        auto& a = dynamic_cast<TAddressObject&>(
            *CreateObject(kindAddress, title, p.Lines.empty() ? "" : p.Lines[0], "", owner, "", 0)
                 .Object);
        a.ClearAddressLines();
        for (const std::string& line : p.Lines)
            a.AddAddressLine(line);
        a.PadAddressLines();
        a.SetCity(p.City);
        a.SetState(p.State);
        a.SetPostCode(p.PostCode);
        a.SetCountry(p.Country);
        return a;
    }

    static TKexObject& Phone(TTreeNode* owner, const std::string& title,
                             const std::string& number) {
        return *CreateObject(kindPhone, title, number, "", owner, "", 0).Object;
    }

    // A person titled "Last, First" shown as "First Last", with a primary
    // address "Home" when one is given.
    TPersonObject& Person(TTreeNode* parent, const std::string& first, const std::string& last,
                          const TPostal* home = nullptr, const std::string& middle = "") {
        std::string title = last.empty() ? first : first.empty() ? last : last + ", " + first;
        std::string shown = first.empty() ? last : last.empty() ? first : first + " " + last;
        auto& p = dynamic_cast<TPersonObject&>(
            *CreateObject(kindPerson, title, shown, "", parent ? parent : root, "", 0).Object);
        p.SetFirstName(first);
        p.SetMiddleName(middle);
        p.SetLastName(last);
        if (home) {
            Address(p.GetNode(), "Home", *home);
            p.SetPrimaryAddress("Home");
        }
        return p;
    }

    TOrgObject& Org(TTreeNode* parent, const std::string& title, const TPostal* office = nullptr) {
        auto& o = dynamic_cast<TOrgObject&>(
            *CreateObject(kindOrg, title, "", "", parent ? parent : root, "", 0).Object);
        if (office) {
            Address(o.GetNode(), "Office", *office);
            o.SetPrimaryAddress("Office");
        }
        return o;
    }
};

using Strings = std::vector<std::string>;
