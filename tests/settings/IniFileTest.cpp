#include <gtest/gtest.h>
#if !defined(_WIN32)
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "settings/IniFile.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// Runs `check` where file permissions hold: as root, in a child process that
// has given root up for the rights of nobody. Returns what `check` returned.
bool WithoutRoot(const std::function<bool()>& check) {
#if defined(_WIN32)
    return check();
#else
    if (::geteuid() != 0) return check();
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
#endif
}

// Folders that refuse new files are a POSIX matter: Windows keeps no such bits.
#if defined(_WIN32)
#define ORV_POSIX_FOLDERS_ONLY() GTEST_SKIP() << "no folder permissions on Windows"
#else
#define ORV_POSIX_FOLDERS_ONLY() (void)0
#endif

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / ("orvalis-ini-" + std::string(info->name()) + "-" +
                                            std::to_string(std::random_device{}()));
        fs::create_directories(dir_);
        path_ = (dir_ / "Pelmo.ini").string();
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }
    void Put(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
    std::string Get() const {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string Read(const char* section, const char* key) const {
        return ReadIni(key, section, path_);
    }
    bool Write(const char* section, const char* key, const std::string& value) {
        return WriteIni(value, key, section, path_);
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(IniFileTest, WithoutAFileEveryKeyIsMissingAndTheFirstClickCreatesIt) {
    for (const char* key : {"BGM", "SE"}) EXPECT_EQ(Read("Sound", key), "ERROR");
    EXPECT_EQ(Read("SPEC", "LOW"), "ERROR");
    for (const char* key : {"CH2", "CH1", "CH0"}) EXPECT_EQ(Read("CLR", key), "ERROR");
    EXPECT_FALSE(fs::exists(path_));  // reading never creates it

    ASSERT_TRUE(Write("Sound", "SE", "1"));
    EXPECT_EQ(Get(), "[Sound]\r\nSE=1\r\n");
    EXPECT_EQ(Read("Sound", "SE"), "1");
    EXPECT_EQ(Read("Sound", "BGM"), "ERROR");
}

TEST_F(IniFileTest, WritesBuildTheFullFileAndUncheckingStoresZeroInPlace) {
    for (const char* key : {"BGM", "SE"}) ASSERT_TRUE(Write("Sound", key, "1"));
    ASSERT_TRUE(Write("SPEC", "LOW", "1"));
    for (const char* key : {"CH0", "CH1", "CH2"}) ASSERT_TRUE(Write("CLR", key, "1"));
    const std::string full =
        "[Sound]\r\nBGM=1\r\nSE=1\r\n[SPEC]\r\nLOW=1\r\n[CLR]\r\nCH0=1\r\nCH1=1\r\nCH2=1\r\n";
    EXPECT_EQ(Get(), full);

    ASSERT_TRUE(Write("sound", "se", "0"));
    EXPECT_EQ(
        Get(),
        "[Sound]\r\nBGM=1\r\nSE=0\r\n[SPEC]\r\nLOW=1\r\n[CLR]\r\nCH0=1\r\nCH1=1\r\nCH2=1\r\n");
    ASSERT_TRUE(Write("Sound", "SE", "1"));
    EXPECT_EQ(Get(), full);
    // Only the temporary file's rename touched the folder: nothing is left over.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

#if !defined(_WIN32)  // links need privileges there, and modes mean little
    // A private file stays private; through a link the linked file is updated.
    const fs::perms mine = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(path_, mine);
    fs::create_symlink(path_, dir_ / "Link.ini");
    ASSERT_TRUE(WriteIni("0", "LOW", "SPEC", (dir_ / "Link.ini").string()));
    EXPECT_TRUE(fs::is_symlink(dir_ / "Link.ini"));
    EXPECT_EQ(Read("SPEC", "LOW"), "0");
    EXPECT_EQ(fs::status(path_).permissions(), mine);
#endif
}

TEST_F(IniFileTest, AHandWrittenWindowsFileReadsTheWayWindowsReadsIt) {
    Put("\xEF\xBB\xBF; Orvalis settings\r\n"
        "Stray=before any section\r\n"
        "  [ sound ]  \r\n"
        "   bgm   =   1   \r\n"
        ";SE=1\r\n"
        "Se\r\n"
        "se = \"1\"\r\n"
        "SE=0\r\n"
        "Quoted='a b'\r\n"
        "Half=\"x\r\n"
        "Lone=\"\r\n"
        "Empty=\r\n"
        "Word=ERROR\r\n"
        "Nul=ab\0cd\r\n"
        "\r\n"
        "[CLR]\r\nCH0=1\r\n"
        "[Sound]\r\nLater=1\r\n"
        "[SPEC]\nLOW=1\rCR=1"s);
    EXPECT_EQ(Read("Sound", "BGM"), "1");
    EXPECT_EQ(Read("SOUND", "SE"), "1");  // the first key wins, without its quotes
    EXPECT_EQ(Read("Sound", "Quoted"), "a b");
    EXPECT_EQ(Read("Sound", "Half"), "\"x");
    EXPECT_EQ(Read("Sound", "Lone"), "\"");
    EXPECT_EQ(Read("Sound", "Empty"), "");
    EXPECT_EQ(Read("Sound", "Word"), "ERROR");
    EXPECT_EQ(Read("Sound", "Nul"), "ab");
    EXPECT_EQ(Read("CLR", "CH0"), "1");
    EXPECT_EQ(Read("SPEC", "LOW"), "1");
    EXPECT_EQ(Read("SPEC", "CR"), "1");
    EXPECT_EQ(Read(" Sound ", " bgm "), "1");
    // Not keys: a comment, or a key in a second section of the same name.
    EXPECT_EQ(Read("Sound", ";SE"), "ERROR");
    EXPECT_EQ(Read("Sound", "Later"), "ERROR");
}

TEST_F(IniFileTest, ValuesAreCutTo254Bytes) {
    const std::string longer(300, 'v'), exact(254, 'w');
    ASSERT_TRUE(Write("S", "Long", longer));
    ASSERT_TRUE(Write("S", "Exact", exact));
    ASSERT_TRUE(Write("S", "Quoted", "\"" + exact + "\""));
    EXPECT_EQ(Read("S", "Long"), longer.substr(0, 254));
    EXPECT_EQ(Read("S", "Exact"), exact);
    EXPECT_EQ(Read("S", "Quoted"), exact);
}

TEST_F(IniFileTest, WritesKeepEveryOtherByteAndTheFilesLineBreaks) {
    const std::string clr = "; progress\r\n[CLR]\r\nch0 = 1\r\nCH1=1\r\nCH2 = 0 \r\nnote\r\n";
    Put(clr + "[Sound]\r\n  bgm =  0  \r\nSE=1\r\n\r\n; next\r\n[Other]\r\nx=1");
    ASSERT_TRUE(Write("Sound", "BGM", "1"));  // in place, spelling and blanks kept
    ASSERT_TRUE(Write("Sound", "New", ""));   // after the last key, before the blank line
    ASSERT_TRUE(Write("Other", "y", "2"));    // after a last line without line break
    ASSERT_TRUE(Write("SPEC", "LOW", "1"));
    EXPECT_EQ(Get(),
              clr +
                  "[Sound]\r\n  bgm =  1  \r\nSE=1\r\nNew=\r\n\r\n; next\r\n[Other]\r\nx=1\r\n"
                  "y=2\r\n[SPEC]\r\nLOW=1\r\n");
    EXPECT_EQ(Read("Sound", "New"), "");

    Put("[Sound]\nSE=1");
    ASSERT_TRUE(Write("SPEC", "LOW", "0"));  // a line break first, in the file's style
    ASSERT_TRUE(Write("Sound", "BGM", "0"));
    EXPECT_EQ(Get(), "[Sound]\nSE=1\nBGM=0\n[SPEC]\nLOW=0\n");
}

TEST_F(IniFileTest, RefusedWritesChangeNothing) {
    const std::string before = "[Sound]\r\nSE=1\r\n";
    Put(before);
    for (const auto& [section, key, value] :
         std::initializer_list<std::array<std::string, 3>>{{"Sound", "SE", "1\r\nBGM=1"},
                                                           {"Sound", "SE", "0\n"},
                                                           {"Sound", "A\nB", "1"},
                                                           {"So\rund", "SE", "1"},
                                                           {"Sound", "SE", std::string("0\0", 2)},
                                                           {"Sound", "A=B", "1"},
                                                           {"Sound", ";SE", "1"},
                                                           {"Sound", "[X]", "1"},
                                                           {"Sound", " ", "1"},
                                                           {"", "SE", "1"}})
        EXPECT_FALSE(WriteIni(value, key, section, path_)) << key << "=" << value;
    EXPECT_EQ(Get(), before);

    // A read-only file stays as it is, even for an administrator.
    fs::permissions(path_, fs::perms::owner_read);
    EXPECT_FALSE(Write("Sound", "SE", "0"));
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Get(), before);

    // No folder, a file where the folder should be, the path of a folder.
    EXPECT_FALSE(WriteIni("1", "SE", "Sound", (dir_ / "none" / "Pelmo.ini").string()));
    EXPECT_FALSE(WriteIni("1", "SE", "Sound", path_ + "/Pelmo.ini"));
    EXPECT_FALSE(WriteIni("1", "SE", "Sound", dir_.string()));
    EXPECT_EQ(ReadIni("SE", "Sound", dir_.string()), "ERROR");
    EXPECT_EQ(Get(), before);
}

// A folder that takes no new files (a shared folder where only the settings
// file is ours): the file is rewritten in place, a new file cannot be made,
// and a read-only file stays as it is.
TEST_F(IniFileTest, AnUnwritableFolderStillTakesWritesIntoItsWritableFile) {
    ORV_POSIX_FOLDERS_ONLY();
    Put("[Sound]\r\nSE=1\r\n");
    fs::permissions(path_, fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec |
                                              fs::perms::others_exec));
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
    const std::string other = (dir_ / "Other.ini").string();
    EXPECT_TRUE(WithoutRoot([&] { return WriteIni("0", "SE", "Sound", path_); }));
    EXPECT_EQ(Get(), "[Sound]\r\nSE=0\r\n");
    EXPECT_TRUE(WithoutRoot([&] { return !WriteIni("1", "BGM", "Sound", other); }));
    EXPECT_FALSE(fs::exists(other));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

    fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(WithoutRoot([&] { return !WriteIni("1", "SE", "Sound", path_); }));
    EXPECT_EQ(Get(), "[Sound]\r\nSE=0\r\n");
}

TEST_F(IniFileTest, GarbageNeverCrashesAndOversizedFilesAreLeftAlone) {
    std::mt19937 rng(5);
    std::string garbage(1 << 16, '\0');
    for (char& c : garbage) c = static_cast<char>(rng());
    Put(garbage + "\n[Sound]\nSE=1");
    EXPECT_EQ(Read("Sound", "SE"), "1");
    EXPECT_TRUE(Write("Sound", "SE", "0"));
    EXPECT_EQ(Get(), garbage + "\n[Sound]\nSE=0");

    // One line of megabytes before the section still parses; a file past
    // 16 MiB reads as if empty and is never rewritten.
    Put(std::string(12 << 20, '[') + "\r\n[Sound]\r\nSE=1\r\n");
    EXPECT_EQ(Read("Sound", "SE"), "1");
    const std::string huge = "[Sound]\r\nSE=1\r\n" + std::string(20 << 20, 'x');
    Put(huge);
    EXPECT_EQ(Read("Sound", "SE"), "ERROR");
    EXPECT_FALSE(Write("Sound", "SE", "0"));
    EXPECT_EQ(fs::file_size(path_), huge.size());
}

// A write refused after the check that the file may be written leaves it
// byte for byte as it was: a UTF-16 file, which single-byte lines would
// spoil, and a file the new text cannot be renamed over (another's file in a
// shared sticky folder, written to by a stranger who may change its bytes).
TEST_F(IniFileTest, AWriteRefusedAfterItsCheckLeavesTheFileAsItWas) {
    for (const std::string& utf16 :
         {std::string("\xFF\xFE[\0S\0]\0", 8), std::string("\xFE\xFF\0[\0S\0]", 8)}) {
        Put(utf16);
        EXPECT_FALSE(Write("S", "K", "1"));
        EXPECT_EQ(Get(), utf16);
    }
    ORV_POSIX_FOLDERS_ONLY();
#if !defined(_WIN32)
    if (::geteuid() != 0) GTEST_SKIP() << "a file of another user needs root to set up";
#endif
    const std::string before = "[Sound]\r\nSE=1\r\n";
    Put(before);
    const auto everyone = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                          fs::perms::group_write | fs::perms::others_read | fs::perms::others_write;
    fs::permissions(path_, everyone);
    fs::permissions(dir_, fs::perms::all | fs::perms::sticky_bit);
    EXPECT_TRUE(WithoutRoot([&] { return !WriteIni("0", "SE", "Sound", path_); }));
    EXPECT_EQ(Get(), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace orv
