#include "platform/windows/Cursor.h"

#include "platform/resources/ResourceContext.h"
#include "tests/platform/HeadlessFixture.h"

namespace tarnui {
namespace {

using CursorTest = testing_support::HeadlessTest;

// A cursor comes from the resource context current when it is loaded; the backend sees each
// change once, and setting one gives back the cursor to restore.
TEST_F(CursorTest, LoadsFromTheContextAndTellsTheBackendOfEachChange) {
    ResourceTable table;
    table.cursors[106] = {106, 2, 1, 1, 0, {0xFF000000u, 0u}};
    const Cursor before = GetCursor();
    ASSERT_TRUE(before.IsArrow());

    Cursor noDrop;
    {
        ScopedResourceContext use(&table);
        noDrop = LoadCursorResource(106);
        EXPECT_TRUE(LoadCursorResource(107).IsArrow());
    }
    ASSERT_FALSE(noDrop.IsArrow());
    EXPECT_EQ(noDrop.image->hotX, 1);
    EXPECT_TRUE(LoadCursorResource(106).IsArrow());  // outside the context

    EXPECT_EQ(SetCursor(noDrop), before);
    EXPECT_EQ(SetCursor(noDrop), noDrop);  // no change: the backend is not told again
    EXPECT_EQ(GetCursor().id, 106);
    EXPECT_EQ(SetCursor(before), noDrop);
    ASSERT_EQ(backend.Cursors().size(), 2u);
    EXPECT_EQ(backend.Cursors()[0].id, 106);
    EXPECT_TRUE(backend.Cursors()[1].IsArrow());
}

}  // namespace
}  // namespace tarnui
