#pragma once

#include "store/KexObject.h"

// A document (kind 10): the target is the full path of a file anywhere on
// disk. "&Launch" opens it with the desktop's application for it, and the
// item list shows the file's own icon.
class TDocObject : public TKexObject {
public:
    TDocObject(uint8_t kind, const std::string& title, const std::string& target,
               const std::string& comment, int32_t objectId, const std::string& classLine);

    // Position of the file's icon in the item image lists; the generic
    // document image until an icon has been added.
    int IconIndex() const { return FIconIndex; }
    // After the file name changed: replaces the icon in place, or adds one
    // when the document still shows the generic image.
    void UpdateIcon();

    void ListFields(TFieldList& fields) const override;
    int GetImageIndex() const override;
    void ReadClassLine(const std::string& line) override;
    void SetupPopup(TItemPopup& menu) const override;
    bool EditNew(TTreeNode* created) override;
    void DefaultAction() override;
    void EditProperties() override;
    void Launch() override;
    // Documents are not published.
    void WriteHtmlContent(TTextWriter& f, bool withVCards) const override;

protected:
    bool AppendClassLine(std::string& out) const override;

private:
    int FIconIndex;
};
