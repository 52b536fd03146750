// What the end-to-end tests of the component share: the built libraries, per-test copies of
// the component beside a chosen resource library, and a substitute host without a workspace
// whose user files live in a temporary directory.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "host/lib/SubstituteHost.h"
#include "platform/backend/HeadlessBackend.h"
#include "tests/support/TempDir.h"

namespace tarn_e2e {

inline std::string BinaryFile(const std::string& name) {
    return std::string(TARN_BINARY_DIR) + "/" + name;
}

inline std::string ComponentLibrary() {
    return BinaryFile("libTarnMap.so");
}

inline std::string BrokenResourceLibrary(const std::string& fault) {
    return BinaryFile("broken_resources/libTarnMapExtRes_" + fault + ".so");
}

using ScratchDir = tarnhost::TempDir;

// A copy of the component library in a directory of its own, so that the component looks
// for its resource library there. `resourceLibrary` (when not empty) is copied beside it as
// libTarnMapExtRes.so.
class ComponentCopy {
public:
    explicit ComponentCopy(const std::string& resourceLibrary) {
        std::filesystem::copy_file(ComponentLibrary(), dir_ / "libTarnMap.so");
        if (!resourceLibrary.empty()) {
            std::filesystem::copy_file(resourceLibrary, dir_ / "libTarnMapExtRes.so");
        }
    }
    std::string Library() const { return dir_ / "libTarnMap.so"; }
    std::string ResourceLibrary() const { return dir_ / "libTarnMapExtRes.so"; }

private:
    ScratchDir dir_;
};

// A headless screen and a host with no workspace open.
class HostTest : public ::testing::Test {
protected:
    tarnui::HeadlessBackend backend;

private:
    tarnui::ScopedBackend useBackend_{backend};
    ScratchDir configDir_;

protected:
    tarnhost::SubstituteHost host{nullptr, {"", {}, configDir_.Path().string()}};
};

}  // namespace tarn_e2e
