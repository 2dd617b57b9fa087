#pragma once

#include "store/KexObject.h"

// A fax number (kind 8): dials, and sends faxes through the mail system.
class TFaxObject : public TKexObject {
public:
    TFaxObject(uint8_t kind, const std::string& title, const std::string& target,
               const std::string& comment, int32_t objectId, const std::string& classLine);

    void ReadClassLine(const std::string& line) override;
    void SetupPopup(TItemPopup& menu) const override;
    bool EditNew(TTreeNode* created) override;
    bool ImportColumns(std::vector<std::string>& values,
                       const std::vector<std::string>& names) override;
    void GetCsvField(const std::string& fieldName, std::string& text) const override;
    void DefaultAction() override;
    void EditProperties() override;
    void SendFax(const std::string& document) override;
    void Dial() override;
    void GetVCardLine(std::string& line) const override;

protected:
    bool AppendClassLine(std::string& out) const override;
};
