// The family's top and log folders, recorded in the shared profile file.
#include "reefkit/reef_internal.h"
#include "reefkit/reefkit.h"

#include "platform/profile.h"

namespace {

// The program of kind 3 keeps its folders under keys of its own.
bool kind_three_keys()
{
    return platform::profile_read_int("Config", "Version", 0, reefkit::kFamilyProfile) == 3;
}

const char* top_key()
{
    return kind_three_keys() ? "KS Top Dir" : "Top Dir";
}

const char* log_key()
{
    return kind_three_keys() ? "KS Log Dir" : "Log Dir";
}

} // namespace

extern "C" {

int set_top_dir(char* path)
{
    return set_prof_path("Config", top_key(), path, reefkit::kFamilyProfile);
}

int get_top_dir(char* out)
{
    return get_prof_path("Config", top_key(), reefkit::kFamilyProfile, REEF_PATH_SIZE, out);
}

int set_log_dir(char* path)
{
    return set_prof_path("Config", log_key(), path, reefkit::kFamilyProfile);
}

int get_log_dir(char* out)
{
    return get_prof_path("Config", log_key(), reefkit::kFamilyProfile, REEF_PATH_SIZE, out);
}

} // extern "C"
