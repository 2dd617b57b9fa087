#pragma once

#include "exchange/Card.h"
#include "records/PrimaryItems.h"
#include "store/KexObject.h"

#include <string>
#include <vector>

// An organization (kind 1): a tree node that names one address, phone, fax,
// e-mail and website item as its primary ones (by title; the website is a
// child node). Unlike a person it has no names of its own, and its target is
// left as it was created.
class TOrgObject : public TKexObject {
public:
    TOrgObject(uint8_t kind, const std::string& title, const std::string& target,
               const std::string& comment, int32_t objectId, const std::string& classLine);

    const std::string& PrimaryAddress() const { return FPrimary.Address; }
    const std::string& PrimaryPhone() const { return FPrimary.Phone; }
    const std::string& PrimaryFax() const { return FPrimary.Fax; }
    const std::string& PrimaryEMail() const { return FPrimary.EMail; }
    const std::string& PrimaryWeb() const { return FPrimary.Web; }
    const TPrimaryTitles& PrimaryTitles() const { return FPrimary; }

    // Every setter makes its value safe to store.
    void SetPrimaryAddress(const std::string& v);
    void SetPrimaryPhone(const std::string& v);
    void SetPrimaryFax(const std::string& v);
    void SetPrimaryEMail(const std::string& v);
    void SetPrimaryWeb(const std::string& v);
    void SetPrimaryTitles(const TPrimaryTitles& titles);

    // Titles of the items of a kind (for websites also of the website child
    // nodes), for the dialog's title lists.
    void FillTitleList(uint8_t kind, std::vector<std::string>& list) const;

    void ListFields(TFieldList& fields) const override;
    void ReadClassLine(const std::string& line) override;
    void SetupPopup(TItemPopup& menu) const override;
    bool EditNew(TTreeNode* created) override;
    bool ImportColumns(std::vector<std::string>& values,
                       const std::vector<std::string>& names) override;
    void GetCsvField(const std::string& fieldName, std::string& text) const override;
    void ImportVCard(const TCard& card) override;
    void EditProperties() override;
    void SendMail(const std::string& attachment) override;
    void SendFax(const std::string& document) override;
    void Dial() override;
    void Browse() override;
    void WriteHtmlContent(TTextWriter& f, bool withVCards) const override;
    void WriteHtmlIndex(TTextWriter& f, const std::string& pageName) const override;
    void SaveVCard(const std::string& fileName) const override;
    // The card SaveVCard writes (also one of many in a file of a subtree).
    TCard VCard() const;

protected:
    bool AppendClassLine(std::string& out) const override;

private:
    bool RunDialog(bool newOrg);

    TPrimaryTitles FPrimary;
};
