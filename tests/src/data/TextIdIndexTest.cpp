// The text index finds every number it was given through all its growth, whether it grew by
// inserts or by a reservation made while numbers were in it, and finds no text it was not
// given, however close to one it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "src/data/TextIdIndex.h"

namespace linkmap {
namespace {

TEST(TextIdIndex, FindsEveryNumberThroughGrowthAndNothingElse) {
    std::vector<std::string> owned;
    for (int i = 0; i < 20000; ++i)
        owned.push_back("section_" + std::to_string(i));
    std::vector<std::string_view> texts;
    TextIdIndex index;
    for (size_t i = 0; i < owned.size(); ++i) {
        if (i == 300) {
            index.Reserve(5000);  // grows at once with numbers already in it
        }
        const uint64_t hash = TextIdIndex::Hash(owned[i]);
        ASSERT_FALSE(index.Find(owned[i], hash, texts).has_value()) << owned[i];
        texts.push_back(owned[i]);
        index.Insert(hash, static_cast<TextIdIndex::TextId>(i));
    }
    for (size_t i = 0; i < owned.size(); ++i) {
        const auto found = index.Find(owned[i], TextIdIndex::Hash(owned[i]), texts);
        ASSERT_TRUE(found.has_value()) << owned[i];
        EXPECT_EQ(*found, i);
        for (const std::string& near : {owned[i] + "x", owned[i].substr(1), "x" + owned[i]})
            ASSERT_FALSE(index.Find(near, TextIdIndex::Hash(near), texts).has_value()) << near;
    }
    index.Clear();
    EXPECT_FALSE(index.Find(owned[7], TextIdIndex::Hash(owned[7]), texts).has_value());
}

}  // namespace
}  // namespace linkmap
