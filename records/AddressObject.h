#pragma once

#include "store/KexObject.h"

#include <string>
#include <vector>

// A postal address (kind 5): up to three street lines kept in the file (the
// list may hold more in memory), city, state or province, postal code and
// country. Its target is the first street line.
class TAddressObject : public TKexObject {
public:
    TAddressObject(uint8_t kind, const std::string& title, const std::string& target,
                   const std::string& comment, int32_t objectId, const std::string& classLine);

    const std::vector<std::string>& AddressLines() const { return FAddressLines; }
    const std::string& City() const { return FCity; }
    const std::string& State() const { return FState; }
    const std::string& PostCode() const { return FPostCode; }
    const std::string& Country() const { return FCountry; }
    // Street line index, "" past the end of the list.
    std::string Line(size_t index) const;
    // All street lines as one multi-line text ("\r\n" between lines).
    std::string AddressText() const;

    // Every setter makes its value safe to store.
    void ClearAddressLines() { FAddressLines.clear(); }
    void AddAddressLine(const std::string& line);
    // Appends the lines of a multi-line text, then pads to three entries.
    void SetAddressText(const std::string& text);
    void PadAddressLines(); // to at least three entries
    void SetCity(const std::string& v);
    void SetState(const std::string& v);
    void SetPostCode(const std::string& v);
    void SetCountry(const std::string& v);

    void ListFields(TFieldList& fields) const override;
    void ReadClassLine(const std::string& line) override;
    void SetupPopup(TItemPopup& menu) const override;
    bool EditNew(TTreeNode* created) override;
    bool ImportColumns(std::vector<std::string>& values,
                       const std::vector<std::string>& names) override;
    void GetCsvField(const std::string& fieldName, std::string& text) const override;
    void EditProperties() override;
    void WriteHtmlContent(TTextWriter& f, bool withVCards) const override;
    void GetVCardLine(std::string& line) const override;
    void GetClipboardText(std::string& text) const override;

protected:
    bool AppendClassLine(std::string& out) const override;

private:
    std::vector<std::string> FAddressLines;
    std::string FCity, FState, FPostCode, FCountry;
};
