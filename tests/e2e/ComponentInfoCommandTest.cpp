// `tarnmap component-info` and the loader's own failures.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "host/cli/Cli.h"
#include "host/lib/ComponentLoader.h"
#include "host/lib/ErrorService.h"
#include "src/shell/HostIds.h"
#include "tests/e2e/ComponentFixture.h"

namespace tarn_e2e {
namespace {

struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
};

// The user's files of every run go to a directory of the test's own.
CommandResult RunTarnmap(const std::vector<std::string>& args) {
    static const ScratchDir config;
    setenv("TARNMAP_CONFIG_DIR", config.Path().c_str(), 1);
    std::ostringstream out;
    std::ostringstream err;
    const int status = tarncli::Run(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(ComponentInfoCommand, LoadsTheBuiltComponentBesideTheProgram) {
    // The test program lives beside libTarnMap.so, as tarnmap does.
    EXPECT_EQ(tarnhost::ComponentLoader::DefaultLibraryPath(), ComponentLibrary());
    const CommandResult result = RunTarnmap({"component-info"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out,
              "Library: " + ComponentLibrary() +
                  "\nComponent: Generic TARN Map\nVersion: 1.0\nInitialise: succeeded\n");
    EXPECT_EQ(result.err, "");
}

TEST(ComponentInfoCommand, ShowsWhyInitialiseFailed) {
    ComponentCopy copy(BrokenResourceLibrary("wrong_type"));
    const CommandResult result = RunTarnmap({"component-info", "--library", copy.Library()});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find("Component: Generic TARN Map\n"), std::string::npos);
    EXPECT_NE(result.out.find("Initialise: failed\n"), std::string::npos);
    EXPECT_NE(result.err.find("message: Dll " + copy.ResourceLibrary() + " is not a resources Dll"),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("error: the component's initialise failed with 0x80004005"),
              std::string::npos);
}

TEST(ComponentInfoCommand, RejectsWrongCommandLines) {
    EXPECT_EQ(RunTarnmap({}).status, 2);
    EXPECT_EQ(RunTarnmap({"no-such-command"}).status, 2);
    EXPECT_EQ(RunTarnmap({"component-info", "--library"}).status, 2);
    EXPECT_EQ(RunTarnmap({"component-info", "extra"}).status, 2);
}

// --- the loader's failures ------------------------------------------------------------------

TEST(ComponentLoader, ALibraryWithoutTheEntryPointsIsRefusedWithEveryMissingName) {
    tarnhost::ErrorService errors;
    tarnhost::ComponentLoader loader(&errors);
    const std::string notAComponent = BinaryFile("libTarnMapExtRes.so");
    EXPECT_FALSE(loader.Load(notAComponent));
    EXPECT_FALSE(loader.IsLoaded());
    ASSERT_EQ(loader.Failures().size(), 5u);
    EXPECT_EQ(loader.Failures().front(), notAComponent + " does not export CreateInstance");
    EXPECT_EQ(loader.Failures().back(), notAComponent + " does not export GetComponentVersion");
    ASSERT_EQ(errors.Reports().size(), 5u);
    EXPECT_EQ(errors.Reports().front().first, static_cast<int32_t>(tarnhost::LoaderStage::Export));
}

TEST(ComponentLoader, StepsOutOfOrderAreReportedNotAttempted) {
    tarnhost::ErrorService errors;
    tarnhost::ComponentLoader loader(&errors);
    EXPECT_FALSE(loader.CreateInstance());
    EXPECT_EQ(loader.LastFailure(), "no component library is loaded");
    ASSERT_TRUE(loader.Load(ComponentLibrary()));
    EXPECT_FALSE(loader.QueryInterfaces());
    EXPECT_EQ(loader.LastFailure(), "no component instance was created");
    EXPECT_FALSE(loader.Initialise(nullptr, 1));
    EXPECT_EQ(loader.LastFailure(), "cannot initialise: the component interface was not obtained");
    EXPECT_FALSE(loader.Register(nullptr));
    EXPECT_EQ(loader.LastFailure(), "the host has no registrar");
    EXPECT_FALSE(loader.Load(ComponentLibrary()));  // already loaded
    EXPECT_EQ(errors.Reports().size(), loader.Failures().size());

    ASSERT_TRUE(loader.CreateInstance());
    EXPECT_FALSE(loader.CreateInstance());
    ASSERT_TRUE(loader.QueryInterfaces());
    EXPECT_FALSE(loader.Initialise(nullptr, 1));
    EXPECT_EQ(loader.LastFailure(), "the component's initialise failed with 0x80004005");
    loader.Shutdown();
    EXPECT_FALSE(loader.IsLoaded());
    EXPECT_EQ(loader.Component(), nullptr);
}

}  // namespace
}  // namespace tarn_e2e
