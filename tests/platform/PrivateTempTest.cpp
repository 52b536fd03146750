// The temporary directory belongs to the process and its user, goes when the process exits,
// and files written there never follow a link planted under their name.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/system/PrivateFile.h"
#include "platform/system/TempPath.h"

namespace tarnui {
namespace {

namespace fs = std::filesystem;

std::string Content(const fs::path& file) {
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(PrivateTemp, DirectoryIsTheProcesssOwnAndGoesAtExit) {
    const std::string dir = GetTempPath();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    struct stat st {};
    ASSERT_EQ(::lstat(dir.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(st.st_uid, ::geteuid());

    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        const std::string own = GetTempPath();
        const bool written =
            ::write(pipe[1], own.data(), own.size()) == static_cast<ssize_t>(own.size());
        std::exit(written && own != dir ? 0 : 1);
    }
    ::close(pipe[1]);
    char buffer[4096];
    const ssize_t n = ::read(pipe[0], buffer, sizeof buffer);
    ::close(pipe[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child shared the directory";
    ASSERT_GT(n, 0);
    EXPECT_FALSE(fs::exists(std::string(buffer, static_cast<size_t>(n))));
    EXPECT_TRUE(fs::exists(dir)) << "the parent's directory stays";
}

TEST(PrivateTemp, WritingNeverFollowsAPlantedLink) {
    const fs::path dir = GetTempPath();
    const fs::path victim = dir / "victim.txt";
    std::ofstream(victim) << "keep";
    const fs::path planted = dir / "Listtmp.txt";
    fs::create_symlink(victim, planted);

    PrivateFileWriter append(planted.string(), PrivateFileWriter::Mode::Append);
    EXPECT_FALSE(append.IsOpen());
    PrivateFileWriter create(planted.string(), PrivateFileWriter::Mode::Create);
    ASSERT_TRUE(create.IsOpen());
    EXPECT_TRUE(create.Write("print"));
    EXPECT_TRUE(create.Close());

    EXPECT_EQ(Content(victim), "keep");
    EXPECT_FALSE(fs::is_symlink(planted));
    EXPECT_EQ(Content(planted), "print");
    EXPECT_EQ(fs::status(planted).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    fs::remove(planted);
    fs::remove(victim);
}

}  // namespace
}  // namespace tarnui
