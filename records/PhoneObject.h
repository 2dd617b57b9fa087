#pragma once

#include "store/KexObject.h"

// A telephone number (kind 6) with an optional extension; the number, as it
// was displayed when entered, is the target.
class TPhoneObject : public TKexObject {
public:
    TPhoneObject(uint8_t kind, const std::string& title, const std::string& target,
                 const std::string& comment, int32_t objectId, const std::string& classLine);

    const std::string& Extension() const { return FExtension; }
    void SetExtension(const std::string& v);

    void ListFields(TFieldList& fields) const override;
    void ReadClassLine(const std::string& line) override;
    void SetupPopup(TItemPopup& menu) const override;
    bool EditNew(TTreeNode* created) override;
    bool ImportColumns(std::vector<std::string>& values,
                       const std::vector<std::string>& names) override;
    void GetCsvField(const std::string& fieldName, std::string& text) const override;
    void DefaultAction() override;
    void EditProperties() override;
    void Dial() override;
    void GetVCardLine(std::string& line) const override;

protected:
    bool AppendClassLine(std::string& out) const override;

private:
    std::string FExtension;
};
