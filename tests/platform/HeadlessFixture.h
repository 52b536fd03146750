// A fresh headless backend per test, made current for the test's duration.
#pragma once

#include <gtest/gtest.h>

#include "platform/backend/HeadlessBackend.h"

namespace tarnui::testing_support {

class HeadlessTest : public ::testing::Test {
protected:
    HeadlessBackend backend;
    HeadlessScript& script = backend.Script();

private:
    ScopedBackend use_{backend};
};

}  // namespace tarnui::testing_support
