// The watch's file store: names kept inside the folder, the generated file list, the deletion
// command and the checked stores.
#include "tests/support/FileBytes.h"
#include "tests/support/TempDir.h"
#include "watchsim/SampleWatch.h"
#include "watchsim/WatchStore.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using watchsim::Outcome;
using watchsim::WatchStore;
using Bytes = std::vector<uint8_t>;

Bytes bytesOf(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

class StoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(base.empty());
        root = base / "watch";
        fs::create_directories(root / "halcyon" / "pgm");
        fs::create_directories(base / "outside");
        watchsim::WriteFileBytes(base / "outside" / "secret.krx", watchsim::KrxFile(Bytes(48, 1), 1));
        fs::create_directory_symlink(base / "outside", root / "out");
        fs::create_directory_symlink(root / "halcyon", root / "inside");
        fs::create_symlink(base / "outside" / "secret.krx", root / "leak.krx");
    }

    TempDir temp{"watchstore"};
    const fs::path base = temp.path();
    fs::path root;
};

TEST_F(StoreTest, NamesResolveOnlyInsideTheStore)
{
    WatchStore store(root);
    const fs::path canonicalRoot = fs::canonical(root);
    struct Case
    {
        std::string name;
        const char* inside; // relative path expected, or nullptr for a refusal
    };
    const Case cases[] = {
        {"system.cfg", "system.cfg"},
        {"/system.cfg", "system.cfg"},
        {"/halcyon/pgm/filelist.dat", "halcyon/pgm/filelist.dat"},
        {"inside/pgm/x.krx", "inside/pgm/x.krx"},
        {"", nullptr},
        {"/", nullptr},
        {"..", nullptr},
        {"../outside/secret.krx", nullptr},
        {"/../outside/secret.krx", nullptr},
        {"halcyon/../../outside/secret.krx", nullptr},
        {"//etc/passwd", nullptr},
        {"a//b", nullptr},
        {"./system.cfg", nullptr},
        {"a\\..\\b", nullptr},
        {std::string("a\nb"), nullptr},
        {"out/secret.krx", nullptr},
        {"leak.krx", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = store.Resolve(c.name);
        if (c.inside) {
            ASSERT_TRUE(path.has_value());
            EXPECT_EQ(*path, canonicalRoot / c.inside);
        } else {
            EXPECT_FALSE(path.has_value());
        }
    }
}

TEST_F(StoreTest, ReadsFilesByName)
{
    watchsim::WriteFileBytes(root / "world.ini", Bytes(544, 7));
    WatchStore store(root);
    Bytes body;
    EXPECT_EQ(store.Read("/world.ini", body), Outcome::ok);
    EXPECT_EQ(body, Bytes(544, 7));
    EXPECT_EQ(store.Read("mmd0101.krx", body), Outcome::not_found);
    EXPECT_EQ(store.Read("halcyon", body), Outcome::not_found);
    EXPECT_EQ(store.Read("out/secret.krx", body), Outcome::forbidden);
    EXPECT_EQ(store.Read("leak.krx", body), Outcome::forbidden);
}

TEST_F(StoreTest, StoresOnlyWhatTheWatchAccepts)
{
    WatchStore store(root);
    const Bytes picture = watchsim::KrxFile(Bytes(48, 0x55), 1);
    Bytes badSize = picture;
    badSize[8] = 47;
    struct Case
    {
        const char* name;
        Bytes body;
        Outcome expected;
    };
    const Case cases[] = {
        {"system.cfg", Bytes(79, 1), Outcome::ok},
        {"/world.ini", Bytes(544, 2), Outcome::ok},
        {"mmd0101.krx", picture, Outcome::ok},
        {"dailybmp.krx", watchsim::KrxFile(Bytes(96, 3), 2), Outcome::ok},
        {"system.cfg", Bytes(78, 1), Outcome::bad_request},
        {"world.ini", Bytes(545, 1), Outcome::bad_request},
        {"mmd0102.krx", badSize, Outcome::bad_request},
        {"mmd0103.krx", Bytes(picture.begin(), picture.end() - 1), Outcome::bad_request},
        {"mmd0104.krx", bytesOf("not a picture"), Outcome::bad_request},
        {"notes.txt", bytesOf("x"), Outcome::forbidden},
        {"halcyon/pgm/a.krx", picture, Outcome::forbidden},
        {"../outside/a.krx", picture, Outcome::forbidden},
        {"out/a.krx", picture, Outcome::forbidden},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(store.Write(c.name, c.body), c.expected);
    }
    EXPECT_EQ(readFileBytes(root / "system.cfg"), Bytes(79, 1));
    EXPECT_EQ(readFileBytes(root / "world.ini"), Bytes(544, 2));
    EXPECT_FALSE(fs::exists(root / "mmd0102.krx"));
    EXPECT_FALSE(fs::exists(base / "outside" / "a.krx"));
    EXPECT_EQ(readFileBytes(base / "outside" / "secret.krx").size(), 76u);
}

TEST_F(StoreTest, ReplacingAFileLeavesNoTemporaryBehind)
{
    WatchStore store(root);
    ASSERT_EQ(store.Write("system.cfg", Bytes(79, 1)), Outcome::ok);
    ASSERT_EQ(store.Write("system.cfg", Bytes(79, 2)), Outcome::ok);
    EXPECT_EQ(readFileBytes(root / "system.cfg"), Bytes(79, 2));
    for (const auto& item : fs::directory_iterator(root))
        EXPECT_NE(item.path().filename().string().front(), '.') << item.path();
}

TEST_F(StoreTest, DeleteCommandRemovesTheNamedFile)
{
    watchsim::WriteFileBytes(root / "mmd0214.krx", watchsim::KrxFile(Bytes(48, 1), 1));
    watchsim::WriteFileBytes(root / "system.cfg", Bytes(79, 0));
    fs::create_directory(root / "dir.krx");
    WatchStore store(root);
    auto command = [](const std::string& name) {
        Bytes body = bytesOf(name);
        body.push_back(0);
        return body;
    };
    struct Case
    {
        const char* label;
        Bytes command;
        Outcome expected;
    };
    const Case cases[] = {
        {"deletes", command("mmd0214.krx"), Outcome::ok},
        {"already gone", command("mmd0214.krx"), Outcome::ok},
        {"never there", command("dailybmp.krx"), Outcome::ok},
        {"no terminating zero", bytesOf("mmd0214.krx"), Outcome::bad_request},
        {"something after the name", command(std::string("a.krx\0b", 7)), Outcome::bad_request},
        {"empty name", command(""), Outcome::bad_request},
        {"empty command", Bytes{}, Outcome::bad_request},
        {"name too long", command(std::string(252, 'a') + ".krx"), Outcome::bad_request},
        {"line end", command("mmd0214.krx\r\n"), Outcome::forbidden},
        {"settings are kept", command("system.cfg"), Outcome::forbidden},
        {"outside the store", command("../outside/secret.krx"), Outcome::forbidden},
        {"through a link", command("leak.krx"), Outcome::forbidden},
        {"a folder", command("dir.krx"), Outcome::forbidden},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(store.ExecuteDeleteCommand(c.command), c.expected);
    }
    EXPECT_FALSE(fs::exists(root / "mmd0214.krx"));
    EXPECT_TRUE(fs::exists(root / "system.cfg"));
    EXPECT_TRUE(fs::exists(base / "outside" / "secret.krx"));
    EXPECT_TRUE(fs::is_symlink(root / "leak.krx"));
}

struct ListedFile
{
    std::string name;
    uint32_t size;
};

// Reads filelist.dat as the program's reader does: 16-byte header, size at 11, length at 15.
std::vector<ListedFile> parseFileList(const Bytes& data)
{
    std::vector<ListedFile> files;
    size_t at = 0;
    while (at + 16 <= data.size()) {
        const uint32_t size =
            data[at + 11] | data[at + 12] << 8 | data[at + 13] << 16 | uint32_t(data[at + 14]) << 24;
        const size_t length = data[at + 15];
        EXPECT_LE(at + 16 + length, data.size());
        files.push_back(
            {std::string(data.begin() + long(at + 16), data.begin() + long(at + 16 + length)), size});
        at += 16 + length;
    }
    EXPECT_EQ(at, data.size()) << "no trailing bytes";
    return files;
}

TEST_F(StoreTest, FileListNamesTheTopFolderFilesWithTheirSizes)
{
    watchsim::WriteFileBytes(root / "world.ini", Bytes(544, 0));
    watchsim::WriteFileBytes(root / "mmd0214.krx", watchsim::KrxFile(Bytes(48, 1), 1));
    watchsim::WriteFileBytes(root / "dailybmp.krx", watchsim::KrxFile(Bytes(480, 1), 10));
    watchsim::WriteFileBytes(root / ".store-abc123", Bytes(3, 0));
    watchsim::WriteFileBytes(root / "halcyon" / "pgm" / "deep.krx", Bytes(76, 0));
    WatchStore store(root);
    const auto files = parseFileList(store.FileList());
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].name, "dailybmp.krx");
    EXPECT_EQ(files[0].size, 508u);
    EXPECT_EQ(files[1].name, "mmd0214.krx");
    EXPECT_EQ(files[1].size, 76u);
    EXPECT_EQ(files[2].name, "world.ini");
    EXPECT_EQ(files[2].size, 544u);
}

TEST(FileListEntry, LayoutOfOneEntry)
{
    Bytes out;
    watchsim::AppendFileListEntry(out, "world.ini", 0x00000200, 0x01020304);
    const Bytes expected = {4,    3,    2, 1,   0,   0,   0,   0,   0,   0,   0,   0x00, 0x02,
                            0x00, 0x00, 9, 'w', 'o', 'r', 'l', 'd', '.', 'i', 'n', 'i'};
    EXPECT_EQ(out, expected);
}

TEST(FileListEntry, EmptyStoreGivesAnEmptyList)
{
    const TempDir temp("watchstore-empty");
    const fs::path empty = temp.path();
    EXPECT_TRUE(WatchStore(empty).FileList().empty());
}

} // namespace
