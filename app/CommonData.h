// The program-wide common data: OS version record, locale, common font, help, and the
// program, work, configuration and log folders.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

class QWidget;
class QFont;

struct OsVersionRecord {
    uint32_t size;
    uint32_t majorVersion;
    uint32_t minorVersion;
    uint32_t buildNumber;
    uint32_t platformId;
    char servicePack[128];
};

class CommonData {
public:
    explicit CommonData(int kind);
    ~CommonData();
    CommonData(const CommonData&) = delete;
    CommonData& operator=(const CommonData&) = delete;

    OsVersionRecord osVersion{};
    uint32_t locale = 0;       // 1041 = Japanese
    std::string programDir;    // always ends in '/'
    std::string workDir;       // no trailing '/'
    std::string configDir;
    std::string logDir;
    uint8_t fontCharset = 1;
    QString fontName;
    int fontSize = 0;
    int kind = 0;

    void ApplyFont(QFont& font) const;
    void ShowHelp(const QString& topic) const;
    int GetWindowsVersionCode() const;

    // Catalog text of the user's language; empty outside 0..521.
    QString GetMessageText(int number) const;
    // Warning box with OK; empty text -> message 97, empty caption -> message 100.
    int ShowWarning(int textNumber, int captionNumber, QWidget* owner) const;
};

extern "C" CommonData* ReefCommonData;
