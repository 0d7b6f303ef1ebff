// Path building and recursive folder deletion.
#include "reefkit/reefkit.h"

#include <cstring>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool is_folder(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Deletes one entry of a folder being emptied. Symbolic links are removed themselves, never
// followed, so nothing outside the folder is touched.
void delete_entry(const std::string& path)
{
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0)
        return;
    if (S_ISDIR(st.st_mode)) {
        ::chmod(path.c_str(), 0755);
        delete_dir(path.c_str());
    } else {
        if (S_ISREG(st.st_mode))
            ::chmod(path.c_str(), 0644);
        ::unlink(path.c_str());
    }
}

} // namespace

extern "C" {

char* make_pathname(const char* folder, const char* name, char* out)
{
    if (!out)
        return out;
    std::string path = folder ? folder : "";
    while (!path.empty() && path.back() == '/')
        path.pop_back();
    path += '/';
    path += name ? name : "";
    // Built apart first: out may be the folder's own buffer.
    std::memcpy(out, path.c_str(), path.size() + 1);
    return out;
}

void del_last_dirmark(char* path)
{
    if (!path)
        return;
    size_t len = std::strlen(path);
    while (len > 0 && path[len - 1] == '/')
        path[--len] = '\0';
}

int delete_dir(const char* folder)
{
    if (!folder || !is_folder(folder))
        return 0;
    DIR* dir = ::opendir(folder);
    if (!dir)
        return 0;
    std::string base = folder;
    while (dirent* entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        delete_entry(base + "/" + entry->d_name);
    }
    ::closedir(dir);
    return ::rmdir(folder) == 0 ? 1 : 0;
}

} // extern "C"
