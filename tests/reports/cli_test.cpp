// zorvek-cli --summary and --report DIR, run as a separate process.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "startupcase.h"
#include "summary.h"

namespace zorvek {
namespace {

namespace fs = std::filesystem;

// Runs the tool with arguments; returns its standard output and sets the exit status.
std::string RunCli(const std::string& args, int& status) {
    const std::string command = std::string(ZORVEK_CLI) + " " + args + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer{};
    while (pipe && fgets(buffer.data(), buffer.size(), pipe)) out += buffer.data();
    const int raw = pipe ? pclose(pipe) : -1;
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return out;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CliReports, SummaryOfTheStartupCase) {
    int status = -1;
    EXPECT_EQ(RunCli("--summary", status), ResultsSummaryText(test::StartupFields("ENG", ".")));
    EXPECT_EQ(status, 0);
    const std::string spanish =
        RunCli("--summary --lang ESP --decimal , --q 0,5 --zf 0,46 --xd 0,85 --xb 0,17", status);
    EXPECT_EQ(spanish, ResultsSummaryText(test::StartupFields("ESP", ",")));
    RunCli("--summary --xd 2", status);
    EXPECT_EQ(status, 1);
}

TEST(CliReports, ReportFolderGetsTheDocumentAndItsPicture) {
    const fs::path dir =
        fs::temp_directory_path() / ("zorvek_cli_report_" + std::to_string(::getpid())) / "new";
    fs::remove_all(dir.parent_path());
    int status = -1;
    RunCli("--report " + dir.string(), status);
    ASSERT_EQ(status, 0);
    std::vector<fs::path> rex, jpg, other;
    for (const auto& e : fs::directory_iterator(dir)) {
        const std::string name = e.path().filename().string();
        if (std::regex_match(name, std::regex("restemp1\\d{5}\\.rex")))
            rex.push_back(e.path());
        else if (std::regex_match(name, std::regex("mcth_temp1\\d{5}\\.jpg")))
            jpg.push_back(e.path());
        else
            other.push_back(e.path());
    }
    ASSERT_EQ(rex.size(), 1u);
    ASSERT_EQ(jpg.size(), 1u);
    EXPECT_TRUE(other.empty()); // the bitmap is gone
    const std::string document = ReadAll(rex[0]);
    EXPECT_EQ(document.rfind("#DEC(.#DEC)\r\n\r\n#ENU(&+BNumber of Theoretical Plates", 0), 0u);
    EXPECT_NE(document.find("#IMG('" + jpg[0].filename().string() + "'DXmm=130:DYmm=130:#IMG)"),
              std::string::npos);
    EXPECT_EQ(ReadAll(jpg[0]).substr(0, 2), "\xFF\xD8");

    RunCli("--report " + (dir.parent_path() / "rejected").string() + " --r 0.5", status);
    EXPECT_EQ(status, 1);
    EXPECT_FALSE(fs::exists(dir.parent_path() / "rejected"));
    fs::remove_all(dir.parent_path());
}

} // namespace
} // namespace zorvek
