#pragma once

#include "store/KexObject.h"

// An e-mail address (kind 7), the target. Sends mail by the route chosen in
// the options ([Settings] INetMail).
class TEMailObject : public TKexObject {
public:
    TEMailObject(uint8_t kind, const std::string& title, const std::string& target,
                 const std::string& comment, int32_t objectId, const std::string& classLine);

    void ReadClassLine(const std::string& line) override;
    void SetupPopup(TItemPopup& menu) const override;
    bool EditNew(TTreeNode* created) override;
    bool ImportColumns(std::vector<std::string>& values,
                       const std::vector<std::string>& names) override;
    void GetCsvField(const std::string& fieldName, std::string& text) const override;
    void DefaultAction() override;
    void EditProperties() override;
    void SendMail(const std::string& attachment) override;
    void WriteHtmlContent(TTextWriter& f, bool withVCards) const override;
    void GetVCardLine(std::string& line) const override;

protected:
    bool AppendClassLine(std::string& out) const override;
};
