#pragma once

#include "store/KexObject.h"

// A folder (kind 0): a plain container of records.
class TFolderObject : public TKexObject {
public:
    TFolderObject(uint8_t kind, const std::string& title, const std::string& target,
                  const std::string& comment, int32_t objectId, const std::string& classLine);

    void ReadClassLine(const std::string& line) override;
    void EditProperties() override;
    void WriteHtmlContent(TTextWriter& f, bool withVCards) const override;
    void WriteHtmlIndex(TTextWriter& f, const std::string& pageName) const override;

protected:
    bool AppendClassLine(std::string& out) const override;
};
