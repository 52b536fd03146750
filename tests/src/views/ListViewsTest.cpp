// The list views as the command sink opens them, on tests/data/listings/views.map, worked
// through the headless backend.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/graphics/ImageList.h"
#include "src/shell/sink/MapViewFactory.h"
#include "src/views/CTarnMapSectionListInstanceCtrl.h"
#include "tests/src/shell/ShellTestSupport.h"

namespace {

class ListViewsTest : public shelltest::MapSinkTest {
protected:
    ListViewsTest() {
        Start(tarnhost::Workspace::ForListing(TARN_TEST_DATA_DIR "/listings/views.map"));
    }

    // The view in a shown pane of its own, loaded and refreshed.
    template <class View>
    View* Open(int kind) {
        auto* view = static_cast<View*>(Place(MakeListView(kind, *sink_)));
        sink_->Reload(kReloadLinkMap);
        view->Refresh();
        return view;
    }
};

// What a transcript does not show: the header arrow and the layout saved on closing. Rows,
// sorting, gaps, filter and find are golden scripts (tests/cases/views).
TEST_F(ListViewsTest, HeaderArrowFollowsTheSortAndClosingSavesTheLayout) {
    auto* view = Open<CTarnMapSectionListInstanceCtrl>(kViewSectionList);
    CMapListCtrl& list = view->List();
    auto arrows = [&list] {
        std::string text;
        for (int c = 0; c < list.GetColumnCount(); ++c) {
            const tarnui::ListColumn* column = list.GetColumn(c);
            text += std::to_string(column->image) + (column->imageOnRight ? "r " : " ");
        }
        return text;
    };
    EXPECT_EQ(arrows(), "-1 0r -1 -1 -1 ");
    list.ClickColumnHeader(3);
    EXPECT_EQ(arrows(), "-1 -1 -1 0r -1 ");
    list.ClickColumnHeader(3);
    EXPECT_EQ(arrows(), "-1 -1 -1 1r -1 ");
    ASSERT_NE(list.GetHeaderImageList(), nullptr);
    EXPECT_EQ(list.GetHeaderImageList()->Count(), 2);

    // "Name" is 4 bytes of 8 x 1.5 pixels; a hidden column is kept as minus its width.
    list.ToggleColumn(4);
    sink_->CloseAllViews();
    int32_t width = 0;
    const WString section = u"CTarnMapSectionListInstanceCtrl";
    EXPECT_TRUE(Succeeded(host_->Profile().ReadNumber(section, u"ColWidth0", &width)));
    EXPECT_EQ(width, 48);
    EXPECT_TRUE(Succeeded(host_->Profile().ReadNumber(section, u"ColWidth4", &width)));
    EXPECT_EQ(width, -84);
}

}  // namespace
