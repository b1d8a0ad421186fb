// Whole-file text helpers of the command-line solver: the encoding fall-back and the safe replace.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "textfile.h"

using namespace zorvek;
namespace fs = std::filesystem;

namespace {

struct TempDir {
    fs::path path = fs::temp_directory_path() / ("zorvek_textfile_" + std::to_string(::getpid()));
    TempDir() { fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path); }
};

std::string Bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace

TEST(DecodeFileBytes, Utf8StaysAndWindows1252IsConverted) {
    EXPECT_EQ(DecodeFileBytes("Metanol-Agua \xC3\x91"), "Metanol-Agua \xC3\x91");
    EXPECT_EQ(DecodeFileBytes("Metanol-Agua \xD1"), "Metanol-Agua \xC3\x91");
    EXPECT_EQ(DecodeFileBytes("\x80 \xE9"), "\xE2\x82\xAC \xC3\xA9");
    EXPECT_EQ(DecodeFileBytes("\xC3"), "\xC3\x83"); // cut sequence: not UTF-8
}

TEST(WriteWholeTextFile, ReplacesALongerFileCompletely) {
    TempDir dir;
    const fs::path file = dir.path / "case.mct";
    std::ofstream(file) << std::string(5000, 'x');
    std::string error;
    ASSERT_TRUE(WriteWholeTextFile(file.string(), "short\r\n", error)) << error;
    EXPECT_EQ(Bytes(file), "short\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);
}

TEST(WriteWholeTextFile, FailureLeavesNothingBehind) {
    TempDir dir;
    const fs::path notAFolder = dir.path / "plain";
    std::ofstream(notAFolder) << "old";
    std::string error;
    EXPECT_FALSE(WriteWholeTextFile((notAFolder / "case.mct").string(), "new", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Bytes(notAFolder), "old");
    std::string text;
    EXPECT_FALSE(ReadWholeTextFile((dir.path / "missing").string(), text, error));
}

TEST(ReadWholeTextFile, RefusesWhatIsNotASmallRegularFile) {
    TempDir dir;
    const fs::path fifo = dir.path / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path huge = dir.path / "huge.mct";
    std::ofstream(huge) << "<A=x>";
    fs::resize_file(huge, kMaxTextFileBytes + 1); // sparse: costs no disk
    const fs::path locked = dir.path / "locked.mct";
    std::ofstream(locked) << "[[\r\n]]\r\n";
    fs::permissions(locked, fs::perms::none);
    struct Case {
        fs::path path;
        bool skip;
    };
    const Case cases[] = {
        {dir.path, false},                       // a folder
        {dir.path / "missing.mct", false},       // nothing there
        {fifo, false},                           // a pipe: never waits for a writer
        {"/dev/zero", !fs::exists("/dev/zero")}, // endless
        {huge, false},
        {locked, ::geteuid() == 0}, // root reads it anyway
    };
    for (const Case& c : cases) {
        if (c.skip) continue;
        std::string text = "left over", error;
        int code = 0;
        EXPECT_FALSE(ReadWholeTextFile(c.path.string(), text, error, &code)) << c.path;
        EXPECT_EQ(text, "") << c.path;
        EXPECT_FALSE(error.empty()) << c.path;
        EXPECT_NE(code, 0) << c.path;
    }
    // Just below the limit still reads.
    fs::resize_file(huge, 1000);
    std::string text, error;
    EXPECT_TRUE(ReadWholeTextFile(huge.string(), text, error)) << error;
    EXPECT_EQ(text.substr(0, 5), "<A=x>");
    EXPECT_EQ(text.size(), 1000u);
}

TEST(WriteWholeTextFile, KeepsPermissionsAndLinks) {
    TempDir dir;
    const fs::path file = dir.path / "case.mct";
    std::ofstream(file) << "old";
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::path link = dir.path / "link.mct";
    fs::create_symlink(file, link);
    std::string error;
    ASSERT_TRUE(WriteWholeTextFile(link.string(), "new\r\n", error)) << error;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Bytes(file), "new\r\n");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // Only the two names remain: the temporary file took the old one's place.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 2);
    // A folder in the way: refused, and the folder stays.
    int code = 0;
    EXPECT_FALSE(WriteWholeTextFile(dir.path.string(), "x", error, &code));
    EXPECT_EQ(code, EISDIR);
    EXPECT_TRUE(fs::is_directory(dir.path));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 2);
}
