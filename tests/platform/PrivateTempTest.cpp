// The temporary directory is the process's own and goes at exit; files written there never
// follow a link planted under their name.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/system/PrivateFile.h"
#include "platform/system/TempPath.h"

namespace tarnui {
namespace {

namespace fs = std::filesystem;

TEST(PrivateTemp, DirectoryIsTheProcesssOwnAndGoesAtExit) {
    const std::string dir = GetTempPath();
    struct stat st {};
    ASSERT_EQ(::lstat(dir.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    if (::fork() == 0) {
        const std::string own = GetTempPath();
        std::exit(::write(pipe[1], own.data(), own.size()) > 0 && own != dir ? 0 : 1);
    }
    ::close(pipe[1]);
    char child[4096];
    const ssize_t n = ::read(pipe[0], child, sizeof child);
    int status = 0;
    ::wait(&status);
    ASSERT_TRUE(n > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_FALSE(fs::exists(std::string(child, static_cast<size_t>(n))));
    EXPECT_TRUE(fs::exists(dir));
}

TEST(PrivateTemp, WritingNeverFollowsAPlantedLink) {
    const fs::path victim = GetTempPath() + "victim.txt";
    const fs::path planted = GetTempPath() + "Listtmp.txt";
    std::ofstream(victim) << "keep";
    fs::create_symlink(victim, planted);
    EXPECT_FALSE(PrivateFileWriter(planted, PrivateFileWriter::Mode::Append).IsOpen());
    PrivateFileWriter create(planted, PrivateFileWriter::Mode::Create);
    EXPECT_TRUE(create.Write("print") && create.Close());
    EXPECT_EQ(fs::file_size(victim), 4u);
    EXPECT_EQ(fs::file_size(planted), 5u);
    EXPECT_EQ(fs::symlink_status(planted).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace tarnui
