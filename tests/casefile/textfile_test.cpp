// Whole-file text helpers of the command-line solver: the encoding fall-back and the safe replace.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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
