#pragma once

#include "exchange/CardProperty.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The property lines of one card, in the order of the file. Names are looked
// up without regard to letter case ("tel;home:" is a phone), always as whole
// names ("N" does not find NOTE).
class TCard {
public:
    TCard() = default;
    explicit TCard(std::vector<TCardProperty> properties) : FProperties(std::move(properties)) {}

    int PropertyCount() const { return static_cast<int>(FProperties.size()); }
    // Raise EListError for an index out of range.
    const TCardProperty& GetProperty(int index) const;
    TCardProperty& GetProperty(int index);
    void DeleteProperty(int index);
    void AddProperty(TCardProperty property);
    // -1 when the property is not one of this card's.
    int IndexOfProperty(const TCardProperty* property) const;
    const std::vector<TCardProperty>& Properties() const { return FProperties; }

    // The first property of that name, or nullptr.
    const TCardProperty* FindProperty(std::string_view name) const;
    TCardProperty* FindProperty(std::string_view name);
    bool HasProperty(std::string_view name) const { return FindProperty(name) != nullptr; }
    // Every property of that name, in order.
    std::vector<const TCardProperty*> FindProperties(std::string_view name) const;
    // Removes the first property of that name and hands it over.
    std::optional<TCardProperty> TakeProperty(std::string_view name);

private:
    std::vector<TCardProperty> FProperties;
};

// The name a card is shown by: from "N" (family;given;middle;prefix) the
// prefix, given, middle and family name joined by blanks, "Dr. Jane Q. Public";
// "New" when the card has no "N".
std::string CardDisplayName(const TCard& card);
