#include "generate/PageFile.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::size_t entriesIn(const std::filesystem::path& folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

TEST(WritePageFile, WritesTheExactBytesAndLeavesNothingElse)
{
    TemporaryFolder folder;
    const std::string path = folder.file("temp.html");
    static constexpr char kPage[] = "<tr>\r\n\xd0\xd5\xc3\xfb\0x\r\n";
    const std::string bytes(kPage, sizeof kPage - 1);
    std::string error;
    ASSERT_TRUE(writePageFile(path, bytes, &error)) << error;
    EXPECT_EQ(TemporaryFolder::read(path), bytes);
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(WritePageFile, ReplacesAnEarlierPageWhole)
{
    TemporaryFolder folder;
    const std::string path = folder.write("temp.html", std::string(10000, 'o'));
    ASSERT_TRUE(writePageFile(path, "new\r\n", nullptr));
    EXPECT_EQ(TemporaryFolder::read(path), "new\r\n");
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(WritePageFile, FailureSaysWhyAndLeavesTheOldFileAndNoRemains)
{
    TemporaryFolder folder;
    std::string error;
    EXPECT_FALSE(writePageFile(folder.file("no-such-folder/temp.html"), "x", &error));
    EXPECT_NE(error.find("no-such-folder"), std::string::npos) << error;

    // A folder in the page file's place cannot be replaced by a file.
    std::filesystem::create_directory(folder.file("temp.html"));
    error.clear();
    EXPECT_FALSE(writePageFile(folder.file("temp.html"), "x", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("temp.html")));
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

} // namespace
