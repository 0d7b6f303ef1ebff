#include "app/ProgramFile.h"

#include <filesystem>

namespace {

std::string& overridePath()
{
    static std::string path;
    return path;
}

} // namespace

std::string programFile()
{
    if (!overridePath().empty())
        return overridePath();
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : self.string();
}

std::string programFolder()
{
    std::string folder = std::filesystem::path(programFile()).parent_path().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

void setProgramFileOverride(const std::string& path)
{
    overridePath() = path;
}
