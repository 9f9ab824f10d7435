// The search for the data folder: an installed copy, a copy beside the
// executable, and a working directory that already holds resource/.
#include "platform/data_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A scratch tree under the temporary folder; the test's working directory is
// moved into it and restored afterwards, as ctest runs from the source tree.
class DataDirectory : public ::testing::Test {
  protected:
    void SetUp() override {
        home = fs::current_path();
        root = fs::temp_directory_path() / ("zentrafel-data-dir-" + std::to_string(getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "elsewhere");
        fs::current_path(root / "elsewhere");
    }
    void TearDown() override {
        fs::current_path(home);
        fs::remove_all(root);
    }

    // A folder holding resource/ with one file in it.
    fs::path WithResources(const fs::path& folder) {
        fs::create_directories(folder / "resource");
        std::ofstream(folder / "resource" / "noise.ogg") << "music";
        return fs::canonical(folder);
    }

    fs::path home;
    fs::path root;
};

TEST_F(DataDirectory, CandidatesAreTheInstalledDataFolderThenTheExecutablesOwn) {
    EXPECT_EQ(DataDirectoryCandidates("/opt/zf/bin/zentrafel"),
              (std::vector<std::string>{"/opt/zf/share/zentrafel", "/opt/zf/bin"}));
    EXPECT_TRUE(DataDirectoryCandidates("").empty());
}

TEST_F(DataDirectory, AResourceFolderHereIsKept) {
    const fs::path here = WithResources(root / "elsewhere");
    WithResources(root / "prefix" / "share" / "zentrafel");
    EXPECT_TRUE(ChangeToDataDirectory((root / "prefix" / "bin" / "zentrafel").string()));
    EXPECT_EQ(fs::current_path(), here);
}

TEST_F(DataDirectory, WithoutOneHereTheInstalledCopyIsPreferred) {
    const fs::path installed = WithResources(root / "prefix" / "share" / "zentrafel");
    WithResources(root / "prefix" / "bin");
    EXPECT_TRUE(ChangeToDataDirectory((root / "prefix" / "bin" / "zentrafel").string()));
    EXPECT_EQ(fs::current_path(), installed);
    EXPECT_TRUE(fs::exists("resource/noise.ogg"));
}

TEST_F(DataDirectory, AnUnpackedCopyIsFoundBesideTheExecutable) {
    const fs::path unpacked = WithResources(root / "unpacked");
    EXPECT_TRUE(ChangeToDataDirectory((unpacked / "zentrafel").string()));
    EXPECT_EQ(fs::current_path(), unpacked);
}

TEST_F(DataDirectory, NoCopyAnywhereLeavesTheWorkingDirectoryAlone) {
    // A file named resource is not the folder.
    fs::create_directories(root / "prefix" / "share" / "zentrafel");
    std::ofstream(root / "prefix" / "share" / "zentrafel" / "resource") << "not a folder";
    const fs::path before = fs::current_path();
    EXPECT_FALSE(ChangeToDataDirectory((root / "prefix" / "bin" / "zentrafel").string()));
    EXPECT_FALSE(ChangeToDataDirectory(""));
    EXPECT_EQ(fs::current_path(), before);
}

TEST_F(DataDirectory, TheRunningProgramKnowsItsOwnPath) {
    const std::string self = RunningExecutablePath();
    ASSERT_FALSE(self.empty());
    EXPECT_TRUE(fs::path(self).is_absolute());
    EXPECT_TRUE(fs::equivalent(self, "/proc/self/exe"));
}

} // namespace
