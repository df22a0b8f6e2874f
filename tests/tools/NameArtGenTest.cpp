// nameart-gen run as a process, as a user runs it.
#include "generate/PageGenerator.h"

#include "PageLines.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

namespace {

struct ProcessRun
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& arg)
{
    std::string q = "'";
    for (const char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class NameArtGenTest : public testing::Test
{
protected:
    // Runs nameart-gen with args, standard input from the file stdinPath.
    ProcessRun run(const std::vector<std::string>& args, const std::string& stdinPath)
    {
        std::string command = quoted(NAMEART_GEN);
        for (const std::string& arg : args)
            command += " " + quoted(arg);
        command += " <" + quoted(stdinPath) + " >" + quoted(folder_.file("stdout")) + " 2>" +
                   quoted(folder_.file("stderr"));
        const int status = std::system(command.c_str());
        ProcessRun result;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = TemporaryFolder::read(folder_.file("stdout"));
        result.err = TemporaryFolder::read(folder_.file("stderr"));
        return result;
    }

    ProcessRun run(const std::vector<std::string>& args) { return run(args, payloadFile_); }

    static std::string expectedPage(const std::string& payload, GenerationSettings settings)
    {
        if (settings.fontPath.empty())
            settings.fontPath = NAMEART_HZK16;
        const GenerationResult result = generatePage(payload, settings);
        EXPECT_EQ(result.status, GenerationResult::Status::Written) << result.message;
        return result.pageBytes;
    }

    TemporaryFolder folder_;
    const std::string payload_ = payloadOf({
        {"101", R"(\u5f20\u4e09)", R"(http:\/\/i.test\/101.jpg)"},
        {"102", R"(Li \u9e7f)", R"(http:\/\/i.test\/102.jpg)"},
        {"103", "Cat", R"(http:\/\/i.test\/103.jpg)"},
    });
    const std::string payloadFile_ = folder_.write("payload.txt", payload_);
};

TEST_F(NameArtGenTest, DefaultsDrawLuLanFromStandardInputWithTheFontBesideIt)
{
    const ProcessRun result = run({});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, expectedPage(payload_, GenerationSettings{}));
    const std::vector<std::string> lines = splitLines(result.out);
    EXPECT_GT(std::count(lines.begin(), lines.end(), "</a>"), 50);
    EXPECT_NE(result.out.find("http://www.renren.com/profile.do?id=102"), std::string::npos);
    EXPECT_TRUE(result.err.empty()) << result.err;
}

TEST_F(NameArtGenTest, OptionsAreUsedAsTheWindowUsesItsBoxes)
{
    const std::string out = folder_.file("temp.html");
    const ProcessRun result = run({"--mode", "table", "--per-row=2", "--site",
                                   "http://127.0.0.1:8080/", "--out", out, payloadFile_},
                                  "/dev/null");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.empty());
    GenerationSettings settings;
    settings.mode = PageMode::FriendTable;
    settings.perRow = "2";
    settings.mainHost = "127.0.0.1:8080";
    EXPECT_EQ(TemporaryFolder::read(out), expectedPage(payload_, settings));
}

TEST_F(NameArtGenTest, ArtOptionsReachThePage)
{
    const ProcessRun result = run({"--name", "啊A", "--width", "12px", "--height", "9",
                                   "--blank-rows", "2.5", "--font", NAMEART_HZK16, "-"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    GenerationSettings settings;
    settings.name = "啊A";
    settings.width = "12px";
    settings.height = "9";
    settings.blankRows = "2.5";
    EXPECT_EQ(result.out, expectedPage(payload_, settings));
}

TEST_F(NameArtGenTest, BadArgumentsExitTwoWithTheUsageLine)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--colour", "red"},   {"--mode", "poster"}, {"--name"},
        {"--site", "http://"}, {"a.txt", "b.txt"},   {"--out", ""},
    };
    for (const std::vector<std::string>& args : cases) {
        const ProcessRun result = run(args);
        EXPECT_EQ(result.exitCode, 2) << args[0];
        EXPECT_NE(result.err.find("usage: nameart-gen"), std::string::npos) << result.err;
        EXPECT_TRUE(result.out.empty());
    }
}

TEST_F(NameArtGenTest, FilesThatCannotBeReadOrWrittenExitOneWithAMessage)
{
    const std::vector<std::vector<std::string>> cases = {
        {folder_.file("no-such-payload")},
        {"--font", folder_.file("no-such-font")},
        {"--font", folder_.write("empty-font", "")},
        {"--out", folder_.file("no-such-folder/temp.html")},
    };
    for (const std::vector<std::string>& args : cases) {
        const ProcessRun result = run(args);
        EXPECT_EQ(result.exitCode, 1) << args.back();
        EXPECT_TRUE(result.out.empty());
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
    EXPECT_EQ(run({"--mode", "table", "--font", folder_.file("no-such-font")}).exitCode, 0);
}

TEST_F(NameArtGenTest, ShortPayloadWritesNothingAndSaysSo)
{
    const std::string out = folder_.file("temp.html");
    const ProcessRun result =
        run({"--out", out}, folder_.write("short.txt", "{\"id\":1,2,3,4,5,6}"));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("20"), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(NameArtGenTest, HelpDocumentsEveryOption)
{
    const ProcessRun result = run({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    for (const char* option : {"--mode", "--name", "--width", "--height", "--blank-rows",
                               "--per-row", "--site", "--font", "--out", "PAYLOAD", "--help"})
        EXPECT_NE(result.out.find(option), std::string::npos) << option;
}

} // namespace
