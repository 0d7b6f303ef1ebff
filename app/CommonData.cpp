#include "app/CommonData.h"

#include "app/AppSeam.h"
#include "app/DateFormat.h"
#include "app/HelpTopic.h"
#include "app/HelpViewer.h"
#include "app/MessageCatalog.h"
#include "app/ProgramFile.h"
#include "platform/user_locale.h"
#include "reefkit/reefkit.h"

#include <QFileInfo>
#include <QFont>
#include <filesystem>
#include <system_error>

extern "C" {
CommonData* ReefCommonData = nullptr;
}

namespace {

constexpr int kProgramKindWithoutFolders = 10;
constexpr int kProgramKindKelpset = 11;

void createFolder(const std::string& path)
{
    // Failures are left to the file operations that later use the folder.
    std::error_code ec;
    std::filesystem::create_directory(path, ec);
}

std::string joinPath(const std::string& folder, const char* name)
{
    char path[REEF_PATH_SIZE] = {};
    make_pathname(folder.c_str(), name, path);
    return path;
}

} // namespace

CommonData::CommonData(int programKind)
{
    NormaliseDateFormat();

    osVersion = OsVersionRecord{};
    osVersion.size = kOsVersionRecordSize;
    read_os_version(&osVersion);

    locale = user_locale_id();

    fontCharset = 1;
    const bool japanese = locale == kLocaleJapanese;
    fontName = japanese ? QString::fromUtf8("ＭＳ Ｐゴシック") : QStringLiteral("MS Sans Serif");
    fontSize = japanese ? 9 : 8;
    // The family's font names rarely exist here; naming the installed look-alike saves every
    // window a search through all fonts for a fallback.
    QFont::insertSubstitution(fontName,
                              japanese ? QStringLiteral("Noto Sans CJK JP") : QStringLiteral("DejaVu Sans"));

    // The help viewer needs its pages beside the program.
    helpAvailable_ = QFileInfo(QString::fromStdString(programFolder() + "help")).isDir();
    if (!helpAvailable_)
        appSeam().messageBox(nullptr, QString::fromUtf8("このコンピュータではHTMLヘルプは動作しません。"),
                             QStringLiteral("NOTICE"), MbOk, IconInformation);

    // Reefkit picks the names of the shared-folder keys from this value, so it goes first.
    kind = programKind;
    set_prof_int("Config", "Version", 10, kind, "SEAGLASS.INI");
    if (kind == kProgramKindWithoutFolders)
        return;

    programDir = programFolder();
    std::string topDir = programDir;
    set_top_dir(topDir.data());

    workDir = joinPath(programDir, "WORK");
    emptyWorkFolder();

    configDir = joinPath(programDir, kind == kProgramKindKelpset ? "KSCONF" : "USERCONF");
    createFolder(configDir);

    char recorded[REEF_PATH_SIZE] = {};
    if (get_log_dir(recorded) > 0) {
        logDir = recorded;
    } else {
        logDir = joinPath(programDir, "LOG");
        createFolder(logDir);
        std::string copy = logDir;
        set_log_dir(copy.data());
    }
}

CommonData::~CommonData()
{
    if (!workDir.empty())
        emptyWorkFolder();
}

void CommonData::emptyWorkFolder() const
{
    delete_dir(workDir.c_str());
    createFolder(workDir);
}

void CommonData::ApplyFont(QFont& font) const
{
    // Qt has no character sets on fonts; the charset stays a recorded value.
    font.setFamily(fontName);
    font.setPointSize(fontSize);
}

void CommonData::ShowHelp(const QString& topic) const
{
    if (!helpAvailable_)
        return;
    const HelpTopic parsed = ParseHelpTopic(topic);
    const QString helpFolder =
        QString::fromStdString(programDir.empty() ? programFolder() : programDir) + QStringLiteral("help");
    QString page = HelpPagePath(helpFolder, parsed.page, locale == kLocaleJapanese);
    QString anchor = parsed.anchor;
    if (page.isEmpty()) {
        // An unknown page opens the contents rather than an empty window.
        page = HelpPagePath(helpFolder, QStringLiteral("index.html"), locale == kLocaleJapanese);
        anchor.clear();
        if (page.isEmpty())
            return;
    }
    if (!helpViewer_)
        helpViewer_ = std::make_unique<HelpViewer>(locale == kLocaleJapanese);
    helpViewer_->showPage(page, anchor);
}

int CommonData::GetWindowsVersionCode() const
{
    return windows_version_code(osVersion);
}

QString CommonData::GetMessageText(int number) const
{
    const char* text = locale == kLocaleJapanese ? catalog::japanese(number) : catalog::english(number);
    return text ? QString::fromUtf8(text) : QString();
}

int CommonData::ShowWarning(int textNumber, int captionNumber, QWidget* owner) const
{
    QString text = GetMessageText(textNumber);
    if (text.isEmpty())
        text = GetMessageText(97);
    QString caption = GetMessageText(captionNumber);
    if (caption.isEmpty())
        caption = GetMessageText(100);
    return appSeam().messageBox(owner, text, caption, MbOk, IconWarning);
}
