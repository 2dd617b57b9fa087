#include "store/ContainerRules.h"

#include "exchange/HtmlOut.h"
#include "store/FieldText.h"
#include "store/KexObject.h"
#include "store/TextWriter.h"

namespace container {

uint32_t ReadCategories(const std::string& line, const char* marker) {
    std::vector<std::string> fields;
    if (!SplitClassLine(line, marker, fields)) return 0;
    bool ok = false;
    int32_t v = fieldtext::LeadingInt(fields[0], ok);
    return ok ? static_cast<uint32_t>(v) : 0;
}

void AppendCategoriesLine(std::string& out, const char* marker, uint32_t categories) {
    out += marker;
    out += fieldtext::CategoriesText(categories);
}

std::string HtmlAnchor(const TKexObject& r) {
    return "r" + std::to_string(r.GetObjectId());
}

void WriteHeading(const TKexObject& r, TTextWriter& f, bool withParagraph) {
    f.WriteLn(std::string(withParagraph ? "<p>" : "") + "<a name=\"" + HtmlAnchor(r) +
              "\"><font size=4>" + htmlout::Escape(r.GetTitle()) + "</font></a><br>");
    if (!r.GetComment().empty()) f.WriteLn(htmlout::Escape(r.GetComment()) + "<br>");
}

void WriteIndexLink(const TKexObject& r, TTextWriter& f, const std::string& pageName,
                    const char* picture) {
    f.WriteLn("<a href=\"" + htmlout::Escape(pageName) + "#" + HtmlAnchor(r) + "\">" + picture +
              htmlout::Escape(r.GetTitle()) + "</a><br>");
}

} // namespace container
