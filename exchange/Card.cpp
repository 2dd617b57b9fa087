#include "exchange/Card.h"

#include "platform/Errors.h"

#include <utility>

namespace {
[[noreturn]] void OutOfBounds(int index) {
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}
} // namespace

const TCardProperty& TCard::GetProperty(int index) const {
    if (index < 0 || index >= PropertyCount()) OutOfBounds(index);
    return FProperties[static_cast<size_t>(index)];
}

TCardProperty& TCard::GetProperty(int index) {
    return const_cast<TCardProperty&>(std::as_const(*this).GetProperty(index));
}

void TCard::DeleteProperty(int index) {
    if (index < 0 || index >= PropertyCount()) OutOfBounds(index);
    FProperties.erase(FProperties.begin() + index);
}

void TCard::AddProperty(TCardProperty property) {
    FProperties.push_back(std::move(property));
}

int TCard::IndexOfProperty(const TCardProperty* property) const {
    for (size_t i = 0; i < FProperties.size(); ++i)
        if (&FProperties[i] == property) return static_cast<int>(i);
    return -1;
}

const TCardProperty* TCard::FindProperty(std::string_view name) const {
    for (const TCardProperty& p : FProperties)
        if (p.IsNamed(name)) return &p;
    return nullptr;
}

TCardProperty* TCard::FindProperty(std::string_view name) {
    return const_cast<TCardProperty*>(std::as_const(*this).FindProperty(name));
}

std::vector<const TCardProperty*> TCard::FindProperties(std::string_view name) const {
    std::vector<const TCardProperty*> found;
    for (const TCardProperty& p : FProperties)
        if (p.IsNamed(name)) found.push_back(&p);
    return found;
}

std::optional<TCardProperty> TCard::TakeProperty(std::string_view name) {
    for (auto it = FProperties.begin(); it != FProperties.end(); ++it) {
        if (!it->IsNamed(name)) continue;
        TCardProperty taken = std::move(*it);
        FProperties.erase(it);
        return taken;
    }
    return std::nullopt;
}

std::string CardDisplayName(const TCard& card) {
    const TCardProperty* n = card.FindProperty("N");
    if (!n) return "New";
    const auto& v = n->Values;
    std::string s;
    if (v.size() > 3) s += v[3] + " ";
    if (v.size() > 1) s += v[1] + " ";
    if (v.size() > 2) s += v[2] + " ";
    if (!v.empty()) s += v[0];
    return s;
}
