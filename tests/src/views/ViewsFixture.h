// Shared pieces of the view control tests: a headless backend, a parent window, a fresh
// temporary directory, and reading written texts back.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/backend/HeadlessBackend.h"
#include "platform/windows/Window.h"
#include "tests/support/TempDir.h"

namespace views_test {

class ViewsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(frame.Create(nullptr, {0, 0, 800, 600})); }

    tarnui::HeadlessBackend backend;
    tarnui::HeadlessScript& script = backend.Script();
    tarnui::Window frame;
    tarnhost::TempDir dir;

private:
    tarnui::ScopedBackend use_{backend};
};

// The file's text with every CR LF turned into LF; a line end without its CR fails the test.
inline std::string ReadCrLfText(const std::string& path) {
    const std::string raw = tarnhost::ReadAll(path);
    std::string text;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') {
            continue;
        }
        if (raw[i] == '\n') {
            EXPECT_TRUE(i > 0 && raw[i - 1] == '\r') << "bare line feed at byte " << i;
        }
        text += raw[i];
    }
    return text;
}

inline std::string Golden(const std::string& name) {
    return tarnhost::ReadAll(std::string(TARN_TEST_DATA_DIR) + "/golden/" + name);
}

}  // namespace views_test
