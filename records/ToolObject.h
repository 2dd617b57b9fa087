#pragma once

#include "store/KexObject.h"

// A tool item (kind 12): ties one of the user's configured tools to a target
// address. "&Launch" starts the tool's program with the address followed by
// the tool's arguments.
class TToolObject : public TKexObject {
public:
    TToolObject(uint8_t kind, const std::string& title, const std::string& target,
                const std::string& comment, int32_t objectId, const std::string& classLine);

    const std::string& ToolFileName() const { return FToolFileName; }
    const std::string& ToolArguments() const { return FToolArguments; }
    // The matching configured tool's image, or the generic document image.
    int IconIndex() const { return FIconIndex; }

    void ListFields(TFieldList& fields) const override;
    int GetImageIndex() const override;
    void ReadClassLine(const std::string& line) override;
    void SetupPopup(TItemPopup& menu) const override;
    bool EditNew(TTreeNode* created) override;
    void DefaultAction() override;
    void EditProperties() override;
    void Launch() override;

protected:
    bool AppendClassLine(std::string& out) const override;

private:
    std::string FToolFileName;
    std::string FToolArguments;
    int FIconIndex;
};
