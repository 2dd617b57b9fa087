#pragma once

#include "store/KexObject.h"

// A website (kind 4): a tree node whose target is the URL; websites below a
// website publish as nested blocks.
class TWebObject : public TKexObject {
public:
    TWebObject(uint8_t kind, const std::string& title, const std::string& target,
               const std::string& comment, int32_t objectId, const std::string& classLine);

    void ReadClassLine(const std::string& line) override;
    void SetupPopup(TItemPopup& menu) const override;
    bool EditNew(TTreeNode* created) override;
    bool ImportColumns(std::vector<std::string>& values,
                       const std::vector<std::string>& names) override;
    void GetCsvField(const std::string& fieldName, std::string& text) const override;
    void DefaultAction() override;
    void EditProperties() override;
    void Browse() override;
    void WriteHtmlContent(TTextWriter& f, bool withVCards) const override;
    void WriteHtmlIndex(TTextWriter& f, const std::string& pageName) const override;
    bool InHtmlIndex() const override;
    void GetVCardLine(std::string& line) const override;

protected:
    bool AppendClassLine(std::string& out) const override;
};
