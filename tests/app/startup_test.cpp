// The program's start: refusals that touch nothing, the family lock held for the run and
// across processes, and the main window's run with its clean-up.
#include "app/CommonData.h"
#include "app/Startup.h"
#include "editor/TFormPGM.h"
#include "platform/family_lock.h"
#include "platform/os_version.h"
#include "tests/app/AppFixture.h"

#include <stdexcept>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

// Another program of the family, in a child process, holding the lock until released.
class OtherFamilyProgram
{
public:
    OtherFamilyProgram()
    {
        int ready[2], release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            FamilyLock lock;
            const char held = lock.acquire() == FamilyLock::Acquired ? 1 : 0;
            (void)!::write(ready[1], &held, 1);
            char ignored;
            (void)!::read(release[0], &ignored, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        releaseFd_ = release[1];
        char held = 0;
        holding_ = ::read(ready[0], &held, 1) == 1 && held == 1;
        ::close(ready[0]);
    }
    ~OtherFamilyProgram() { stop(); }
    bool holding() const { return holding_; }
    void stop()
    {
        if (releaseFd_ >= 0)
            ::close(releaseFd_);
        releaseFd_ = -1;
        if (pid_ > 0)
            ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    int releaseFd_ = -1;
    bool holding_ = false;
};

OsVersionRecord systemRecord(uint32_t platform, uint32_t major, uint32_t minor, uint32_t build)
{
    OsVersionRecord record{};
    record.size = kOsVersionRecordSize;
    record.platformId = platform;
    record.majorVersion = major;
    record.minorVersion = minor;
    record.buildNumber = build;
    return record;
}

} // namespace

class StartupTest : public AppFixture
{
protected:
    void TearDown() override
    {
        set_os_version_override(nullptr);
        AppFixture::TearDown();
    }
    bool nothingWritten() const { return fs::is_empty(programDir()) && !fs::exists(root_ / "config"); }
};

TEST_F(StartupTest, OldSystemsAreRefusedInTheUsersLanguageAndNothingIsWritten)
{
    struct Case
    {
        OsVersionRecord record;
        bool refused;
    };
    const Case cases[] = {
        {systemRecord(1, 4, 0, 950), true},    {systemRecord(1, 4, 0, 1111), true},
        {systemRecord(2, 3, 51, 1057), true},  {systemRecord(2, 4, 0, 1381), true},
        {systemRecord(1, 4, 10, 2222), false}, {systemRecord(1, 4, 90, 3000), false},
        {systemRecord(2, 5, 0, 2195), false},  {systemRecord(3, 1, 0, 0), false},
    };
    for (const Case& c : cases) {
        const OsVersionRecord& r = c.record;
        SCOPED_TRACE(testing::Message() << r.platformId << " " << r.majorVersion << "." << r.minorVersion);
        EXPECT_EQ(os_version_supported(r), !c.refused);
    }

    const std::pair<const char*, const char*> languages[] = {
        {"en_US.UTF-8", "Kelpset does not run on Windows95/NT."},
        {"ja_JP.UTF-8", "Kelpset は Windows95/NT では動作しません。"},
    };
    const OsVersionRecord nt4 = systemRecord(2, 4, 0, 1381);
    set_os_version_override(&nt4);
    for (const auto& [locale, text] : languages) {
        SCOPED_TRACE(locale);
        useLocale(locale);
        seam.boxes.clear();
        EXPECT_EQ(RunKelpset([](TFormPGM&) { ADD_FAILURE() << "no window on a refused start"; }), 0);
        ASSERT_EQ(seam.boxes.size(), 1u);
        EXPECT_EQ(seam.boxes[0].owner, nullptr);
        EXPECT_EQ(seam.boxes[0].text, QString::fromUtf8(text));
        EXPECT_EQ(seam.boxes[0].caption, "Kelpset");
        EXPECT_EQ(seam.boxes[0].buttons, MbOk);
        EXPECT_EQ(seam.boxes[0].icon, IconWarning);
        EXPECT_TRUE(nothingWritten());
        EXPECT_TRUE(fs::is_empty(root_ / "runtime")) << "not even the lock file";
    }
}

TEST_F(StartupTest, AnotherFamilyProgramRunningRefusesTheStartAndNothingIsWritten)
{
    OtherFamilyProgram other;
    ASSERT_TRUE(other.holding());

    const std::pair<const char*, const char*> languages[] = {
        {"en_GB.UTF-8", "You cannot run more than one of ZIZi/RA2001/Kelpset/DU2Z21 at the same time."},
        {"ja_JP.UTF-8", "ZIZI/RA2001/Kelpset/DU2Z21 は、同時に複数起動できません。"},
    };
    for (const auto& [locale, text] : languages) {
        SCOPED_TRACE(locale);
        useLocale(locale);
        seam.boxes.clear();
        EXPECT_EQ(RunKelpset([](TFormPGM&) { ADD_FAILURE() << "no window beside another program"; }), 0);
        ASSERT_EQ(seam.boxes.size(), 1u);
        EXPECT_EQ(seam.boxes[0].text, QString::fromUtf8(text));
        EXPECT_EQ(seam.boxes[0].caption, "Kelpset");
        EXPECT_EQ(seam.boxes[0].icon, IconWarning);
        EXPECT_TRUE(nothingWritten());
    }

    // Once the other program ends, Kelpset may start.
    other.stop();
    FamilyLock lock;
    EXPECT_EQ(lock.acquire(), FamilyLock::Acquired);
}

TEST_F(StartupTest, LockIsHeldForTheWholeRunAndTheWorkFolderIsLeftEmpty)
{
    writeFile(programDir() / "WORK/old.krx", "from an earlier run");
    bool ran = false;
    EXPECT_EQ(RunKelpset([&](TFormPGM& window) {
                  ran = true;
                  EXPECT_TRUE(window.isVisible());
                  EXPECT_EQ(window.windowTitle(), "Kelpset");
                  ASSERT_NE(ReefCommonData, nullptr);
                  EXPECT_EQ(ReefCommonData->kind, 11);
                  EXPECT_TRUE(fs::is_empty(programDir() / "WORK"));
                  writeFile(programDir() / "WORK/system.cfg", "received");

                  FamilyLock second;
                  EXPECT_EQ(second.acquire(), FamilyLock::HeldElsewhere) << "a second start in the same run";
                  OtherFamilyProgram other;
                  EXPECT_FALSE(other.holding()) << "a second start from another process";
              }),
              0);
    EXPECT_TRUE(ran);
    EXPECT_EQ(ReefCommonData, nullptr);
    EXPECT_TRUE(fs::is_directory(programDir() / "WORK"));
    EXPECT_TRUE(fs::is_empty(programDir() / "WORK"));
    FamilyLock after;
    EXPECT_EQ(after.acquire(), FamilyLock::Acquired) << "the lock goes with the run";
}

TEST_F(StartupTest, AnErrorEscapingTheRunIsShownAndTheRunStillEndsCleanly)
{
    EXPECT_EQ(RunKelpset([](TFormPGM&) { throw std::runtime_error("Out of system resources"); }), 0);
    ASSERT_FALSE(seam.boxes.empty());
    EXPECT_EQ(seam.boxes.back().text, "Out of system resources");
    EXPECT_EQ(seam.boxes.back().icon, IconError);
    EXPECT_EQ(ReefCommonData, nullptr);
    FamilyLock after;
    EXPECT_EQ(after.acquire(), FamilyLock::Acquired);
}

TEST_F(StartupTest, WithoutAPlaceForTheLockFileTheProgramStillRuns)
{
    setEnv("XDG_RUNTIME_DIR", (root_ / "no such folder").string());
    FamilyLock probe;
    EXPECT_EQ(probe.acquire(), FamilyLock::Unavailable);
    bool ran = false;
    EXPECT_EQ(RunKelpset([&](TFormPGM&) { ran = true; }), 0);
    EXPECT_TRUE(ran);
    for (const SeamBox& box : seam.boxes)
        EXPECT_NE(box.caption, "Kelpset") << box.text.toStdString();
}
