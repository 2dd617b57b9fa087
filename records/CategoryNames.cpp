#include "records/CategoryNames.h"

#include "platform/Settings.h"

std::vector<std::string> ReadCategoryNames(const ISettings& settings) {
    std::vector<std::string> names;
    for (int n = 1; n <= kCategoryCount; ++n) {
        std::string v = settings.ReadString("Categories", "Cat" + std::to_string(n), "");
        names.push_back(v.empty() ? "User Defined " + std::to_string(n) : v);
    }
    return names;
}
