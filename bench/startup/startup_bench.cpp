// Start-up time: from starting the process to its main window shown (offscreen), for Kelpset
// and for an empty main window program, run alternately; prints the medians and their ratio.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Milliseconds from spawning the program to the moment it reports its window shown; negative
// when the program failed.
double timeToShown(const std::vector<std::string>& command)
{
    int out[2];
    if (pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> argv;
    for (const std::string& part : command)
        argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const long long started = monotonicNanoseconds();
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (rc != 0) {
        close(out[0]);
        return -1;
    }
    std::string text;
    char buffer[64];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0)
            text.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty())
        return -1;
    return double(std::atoll(text.c_str()) - started) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const fs::path here = fs::read_symlink("/proc/self/exe").parent_path();

    // A scratch world: program folder (with help pages, so no notice stops the start), profile
    // home and runtime folder, removed at the end.
    char pattern[] = "/tmp/kelpset-startup-XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path scratch = pattern;
    fs::create_directories(scratch / "program/help");
    fs::create_directories(scratch / "config");
    fs::create_directories(scratch / "runtime");
    fs::permissions(scratch / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_CONFIG_HOME", (scratch / "config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (scratch / "runtime").c_str(), 1);

    const std::vector<std::string> kelpset = {(here / "startup_kelpset").string(),
                                              (scratch / "program").string()};
    const std::vector<std::string> empty = {(here / "startup_empty_window").string()};

    // One warm-up run each, so both start from the same file cache.
    timeToShown(kelpset);
    timeToShown(empty);
    std::vector<double> kelpsetTimes, emptyTimes;
    for (int i = 0; i < runs; ++i) {
        const double k = timeToShown(kelpset);
        const double e = timeToShown(empty);
        if (k < 0 || e < 0) {
            std::fprintf(stderr, "startup_bench: a start-up program failed (run %d)\n", i + 1);
            fs::remove_all(scratch);
            return 1;
        }
        kelpsetTimes.push_back(k);
        emptyTimes.push_back(e);
    }
    fs::remove_all(scratch);

    const double k = median(kelpsetTimes), e = median(emptyTimes);
    std::printf("start-up to main window shown, offscreen, median of %d runs\n", runs);
    std::printf("  kelpset            %8.1f ms\n", k);
    std::printf("  empty main window  %8.1f ms\n", e);
    std::printf("  ratio              %8.2f (goal <= 1.50)\n", k / e);
    return 0;
}
