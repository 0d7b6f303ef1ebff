// Where the files of the log programs lie: the log folder's files and USER.CNF.
#include "reefkit/reef_internal.h"
#include "reefkit/reefkit.h"

#include <cstdio>

namespace reefkit {
namespace {

std::optional<std::string> in_folder(int (*get_folder)(char*), const char* name)
{
    char folder[REEF_PATH_SIZE];
    if (get_folder(folder) == 0)
        return std::nullopt;
    std::string path = std::string(folder) + "/" + name;
    if (path.size() >= REEF_PATH_SIZE)
        return std::nullopt;
    return path;
}

} // namespace

std::optional<std::string> log_conf_path(int type)
{
    if (type == 1)
        return in_folder(get_log_dir, "SEAGLASS.CNF");
    if (type == 2)
        return in_folder(get_log_dir, "SEAGLASS.LST");
    return std::nullopt;
}

std::optional<std::string> log_file_path(int type, int number)
{
    static const char* const patterns[] = {"REEF%04d.LOG", "REEF%04d.ALB", "REEF%04d.VID", "TRDIA%04d.ALB",
                                           "TRDIA%04d.VID"};
    if (type < 3 || type > 7)
        return std::nullopt;
    char name[32];
    std::snprintf(name, sizeof name, patterns[type - 3], number);
    return in_folder(get_log_dir, name);
}

std::optional<std::string> user_config_path()
{
    return in_folder(get_top_dir, "USERCONF/USER.CNF");
}

} // namespace reefkit

namespace {

int deliver(const std::optional<std::string>& path, char* out)
{
    return path && reefkit::copy_path(*path, out) ? 1 : 0;
}

} // namespace

extern "C" {

int path_log_confs(int type, char* out)
{
    return deliver(reefkit::log_conf_path(type), out);
}

int path_log_files(int type, int number, char* out)
{
    return deliver(reefkit::log_file_path(type, number), out);
}

int path_uconf_dir(char* out)
{
    char top[REEF_PATH_SIZE];
    if (get_top_dir(top) == 0)
        return 0;
    return deliver(std::string(top) + "/USERCONF", out);
}

} // extern "C"
