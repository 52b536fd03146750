#include "src/data/AddressRanges.h"

#include <gtest/gtest.h>

#include <bitset>
#include <random>
#include <sstream>

#include "src/data/AddressRangeOrder.h"
#include "src/data/ContainingAreaLookup.h"

namespace {

constexpr uint32_t kTop = 0xFFFFFFFFu;

std::string Show(const AddressRangeList& ranges) {
    std::ostringstream out;
    out << std::hex << std::uppercase;
    for (const AddressRange& r : ranges) {
        out << '[' << r.first << ',' << r.last << ']';
    }
    return out.str();
}

struct RangeCase {
    AddressRangeList a;
    AddressRangeList b;
    AddressRangeList expected;
};

// The random comparisons below cover ordinary lists; these rows hold the extremes and the lists
// that the random ones never make (empty ranges, touching or overlapping inputs).
TEST(SubtractRanges, ExtremesAndUnmergedCuts) {
    const RangeCase cases[] = {
        {{{0x10, 0x1F}}, {{0x14, 0x17}}, {{0x10, 0x13}, {0x18, 0x1F}}},
        {{{0x00, 0x40}}, {{0x10, 0x30}, {0x12, 0x14}, {0x20, 0x33}}, {{0x00, 0x0F}, {0x34, 0x40}}},
        {{{0, 0x10}}, {{1, 1}}, {{0, 0}, {2, 0x10}}},
        {{{0, kTop}}, {{0, kTop}}, {}},
        {{{0, kTop}}, {{kTop, kTop}}, {{0, kTop - 1}}},
        {{{0, 5}, {kTop - 1, kTop}}, {{kTop, kTop}}, {{0, 5}, {kTop - 1, kTop - 1}}},
        {{{0x20, 0x10}, {0x30, 0x3F}}, {{0x3F, 0x30}}, {{0x30, 0x3F}}},  // empty ranges ignored
    };
    for (const RangeCase& c : cases) {
        EXPECT_EQ(Show(SubtractRanges(c.a, c.b)), Show(c.expected)) << Show(c.a) << Show(c.b);
    }
}

TEST(IntersectRanges, CutsAtAreaBoundariesUpToTheTop) {
    const RangeCase cases[] = {
        {{{0xFF00, 0x100FF}},
         {{0x0, 0xFFFF}, {0x10000, 0x1FFFF}},
         {{0xFF00, 0xFFFF}, {0x10000, 0x100FF}}},
        {{{0, kTop}}, {{0, 0}, {kTop, kTop}}, {{0, 0}, {kTop, kTop}}},
        {{{0, kTop}},
         {{0, 0x7FFFFFFFu}, {0x80000000u, kTop}},
         {{0, 0x7FFFFFFFu}, {0x80000000u, kTop}}},
    };
    for (const RangeCase& c : cases) {
        EXPECT_EQ(Show(IntersectRanges(c.a, c.b)), Show(c.expected)) << Show(c.a) << Show(c.b);
    }
}

TEST(SortAndMergeAndCut, EmptyRangesAndTheTop) {
    EXPECT_EQ(Show(SortAndMergeRanges({{0x10, 0x0F}, {kTop, kTop}, {0, 0}})),
              "[0,0][FFFFFFFF,FFFFFFFF]");
    EXPECT_EQ(Show(SortAndMergeRanges({{0x10, 0x1F}, {0x00, 0x0F}})), "[0,1F]");
    EXPECT_EQ(Show(CutAreasIntoPieces({{0x20, 0x10}})), "");
    EXPECT_EQ(Show(CutAreasIntoPieces({{0x10, 0x1F}, {0x00, 0x0F}})), "[0,F][10,1F]");
    EXPECT_EQ(Show(CutAreasIntoPieces({{0, kTop}, {kTop, kTop}, {0, 0}})),
              "[0,0][1,FFFFFFFE][FFFFFFFF,FFFFFFFF]");
}

// Random lists in a 64-address window, at the bottom or the top of the address space,
// checked against sets of addresses.
class RangeWindow {
public:
    explicit RangeWindow(uint32_t base) : base_(base) {}
    using Set = std::bitset<64>;

    AddressRangeList Random(std::mt19937& random, int count) const {
        AddressRangeList ranges;
        std::uniform_int_distribution<uint32_t> offset(0, 63);
        for (int i = 0; i < count; ++i) {
            uint32_t x = offset(random), y = offset(random);
            ranges.push_back({base_ + std::min(x, y), base_ + std::max(x, y)});
        }
        return ranges;
    }
    Set ToSet(const AddressRangeList& ranges) const {
        Set set;
        for (const AddressRange& r : ranges) {
            for (uint64_t a = r.first; a <= r.last; ++a) {
                set.set(a - base_);
            }
        }
        return set;
    }
    // The maximal runs of the set that lie inside one range of the cuts each.
    AddressRangeList Runs(const Set& set, const AddressRangeList& cuts) const {
        AddressRangeList runs;
        for (const AddressRange& cut : cuts) {
            for (uint64_t a = cut.first; a <= cut.last; ++a) {
                if (!set.test(a - base_)) {
                    continue;
                }
                if (!runs.empty() && runs.back().last + uint64_t{1} == a && a != cut.first) {
                    runs.back().last = static_cast<uint32_t>(a);
                } else {
                    runs.push_back({static_cast<uint32_t>(a), static_cast<uint32_t>(a)});
                }
            }
        }
        return runs;
    }

private:
    uint32_t base_;
};

class RangeOperationsAgainstSets : public testing::TestWithParam<uint32_t> {};

TEST_P(RangeOperationsAgainstSets, AgreeWithAddressSets) {
    const RangeWindow window(GetParam());
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        const AddressRangeList a = SortAndMergeRanges(window.Random(random, round % 5));
        const AddressRangeList rawAreas = window.Random(random, round % 4);
        const AddressRangeList b = SortAndMergeRanges(rawAreas);
        const AddressRangeList pieces = CutAreasIntoPieces(rawAreas);
        ASSERT_EQ(window.ToSet(pieces), window.ToSet(rawAreas)) << Show(rawAreas);
        ASSERT_EQ(window.ToSet(b), window.ToSet(rawAreas)) << Show(rawAreas);
        for (std::size_t i = 1; i < b.size(); ++i) {
            ASSERT_LT(uint64_t{b[i - 1].last} + 1, b[i].first) << Show(b);  // apart, not touching
        }

        const RangeWindow::Set difference = window.ToSet(a) & ~window.ToSet(b);
        ASSERT_EQ(Show(SubtractRanges(a, b)), Show(window.Runs(difference, a)))
            << Show(a) << " minus " << Show(b);
        // Unmerged pieces (touching, cut at every area boundary) subtract the same way.
        ASSERT_EQ(Show(SubtractRanges(a, pieces)), Show(window.Runs(difference, a)));

        // The intersection is the common addresses, one range per stretch that lies in one
        // range of a and one piece of the areas.
        const RangeWindow::Set common = window.ToSet(a) & window.ToSet(pieces);
        AddressRangeList allBoundaries = a;
        allBoundaries.insert(allBoundaries.end(), rawAreas.begin(), rawAreas.end());
        ASSERT_EQ(Show(IntersectRanges(a, pieces)),
                  Show(window.Runs(common, CutAreasIntoPieces(allBoundaries))))
            << Show(a) << " with " << Show(pieces);
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, RangeOperationsAgainstSets,
                         testing::Values(0u, 0x1000u, 0xFFFFFFC0u));

TEST(CutAreasIntoPieces, EveryPieceLiesWhollyInsideOrOutsideEachArea) {
    const RangeWindow window(0xFFFFFFC0u);
    std::mt19937 random(11);
    for (int round = 0; round < 2000; ++round) {
        const AddressRangeList areas = window.Random(random, 1 + round % 6);
        const AddressRangeList pieces = CutAreasIntoPieces(areas);
        for (std::size_t p = 0; p < pieces.size(); ++p) {
            if (p > 0) {
                ASSERT_LT(pieces[p - 1].last, pieces[p].first);
            }
            for (const AddressRange& area : areas) {
                const bool inside = area.first <= pieces[p].first && pieces[p].last <= area.last;
                const bool outside = pieces[p].last < area.first || area.last < pieces[p].first;
                ASSERT_TRUE(inside || outside) << Show(areas) << " piece " << Show({pieces[p]});
            }
        }
    }
}

// Overlapping and repeated areas: the first in the given order that holds the whole range.
TEST(FirstContainingAreas, AgreesWithLookingAtEveryArea) {
    const RangeWindow window(0xFFFFFFC0u);
    std::mt19937 random(5);
    for (int round = 0; round < 1000; ++round) {
        const AddressRangeList areas = window.Random(random, round % 8);
        const AddressRangeList ranges = window.Random(random, 6);
        const std::vector<std::size_t> found = FirstContainingAreas(areas, ranges);
        for (std::size_t r = 0; r < ranges.size(); ++r) {
            std::size_t expected = kNoContainingArea;
            for (std::size_t a = 0; a < areas.size(); ++a) {
                if (areas[a].first <= ranges[r].first && areas[a].last >= ranges[r].last) {
                    expected = a;
                    break;
                }
            }
            ASSERT_EQ(found[r], expected) << Show(areas) << " " << Show({ranges[r]});
        }
    }
}

}  // namespace
