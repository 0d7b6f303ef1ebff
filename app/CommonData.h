// The program-wide common data: OS version record, locale, common font, help, and the
// program, work, configuration and log folders.
#pragma once

#include "platform/os_version.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <string>

class QWidget;
class QFont;
class HelpViewer;

class CommonData
{
public:
    explicit CommonData(int kind);
    ~CommonData();
    CommonData(const CommonData&) = delete;
    CommonData& operator=(const CommonData&) = delete;

    OsVersionRecord osVersion{};
    uint32_t locale = 0;    // 1041 = Japanese
    std::string programDir; // always ends in '/'
    std::string workDir;    // no trailing '/'
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

    // Whether help pages lie beside the program; without them ShowHelp does nothing.
    bool helpAvailable() const { return helpAvailable_; }
    // The help window once a topic has been shown, else null.
    HelpViewer* helpViewer() const { return helpViewer_.get(); }

private:
    void emptyWorkFolder() const;

    bool helpAvailable_ = false;
    mutable std::unique_ptr<HelpViewer> helpViewer_;
};

extern "C" CommonData* ReefCommonData;
