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

    // A batch: writes between BeginUpdate and the outermost EndUpdate change
    // the settings in memory only, and that EndUpdate writes the file once
    // (raising when it cannot; the changes stay for the next write).
    // CancelUpdate ends a batch without writing. Use TSettingsBatch.
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
    virtual void CancelUpdate() = 0;
};

// The settings writes of a scope as one batch: Commit writes them once; a
// batch left without Commit (an error on the way) writes nothing itself.
class TSettingsBatch {
public:
    explicit TSettingsBatch(ISettings& settings) : FSettings(&settings) { settings.BeginUpdate(); }
    ~TSettingsBatch() {
        if (FSettings) FSettings->CancelUpdate();
    }
    TSettingsBatch(const TSettingsBatch&) = delete;
    TSettingsBatch& operator=(const TSettingsBatch&) = delete;

    // Ends the batch; the outermost one writes the file (and may raise).
    void Commit() {
        ISettings* settings = FSettings;
        FSettings = nullptr;
        if (settings) settings->EndUpdate();
    }

private:
    ISettings* FSettings;
};
