#pragma once

#include <cstdint>
#include <string>

class TKexObject;
class TTextWriter;

// What folders and teams share: the categories-only class line, the heading
// of their published block and their index link.
namespace container {
// Categories from a class line "{Xxxx}" + number; 0 when the marker differs
// or the number is damaged.
uint32_t ReadCategories(const std::string& line, const char* marker);
// The class line of a class whose only own field is its categories:
// marker + categories.
void AppendCategoriesLine(std::string& out, const char* marker, uint32_t categories);
// The name of the record's anchor in a published page: from its id, so two
// records with one title still have one anchor each.
std::string HtmlAnchor(const TKexObject& r);
void WriteHeading(const TKexObject& r, TTextWriter& f, bool withParagraph);
void WriteIndexLink(const TKexObject& r, TTextWriter& f, const std::string& pageName,
                    const char* picture);
} // namespace container
