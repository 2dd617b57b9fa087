#pragma once

#include <string>
#include <vector>

// The settings file "kex.ini": sections of keys, matched without regard to case.
class ISettings {
public:
    virtual ~ISettings() = default;
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const = 0;
    virtual int ReadInteger(const std::string& section, const std::string& key,
                            int defaultValue) const = 0;
    virtual void WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    virtual void WriteInteger(const std::string& section, const std::string& key, int value) = 0;
    virtual void EraseSection(const std::string& section) = 0;
    // The section's key names, in file order.
    virtual std::vector<std::string> ReadSection(const std::string& section) const = 0;
};
