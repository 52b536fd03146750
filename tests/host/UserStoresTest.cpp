#include <gtest/gtest.h>

#include <filesystem>

#include "host/lib/OptionsService.h"
#include "host/lib/ProfileService.h"
#include "host/lib/StoreText.h"
#include "tests/support/TableFile.h"
#include "tests/support/TempDir.h"

namespace tarnhost {
namespace {

namespace fs = std::filesystem;

// The rows of tests/data/tables/store-names.txt.
TEST(StoreText, NamesEscapeOnlyWhatTheFileFormatOrTheJoinWouldMisread) {
    for (const tarntest::TableRow& row : tarntest::ReadTable("store-names.txt")) {
        EXPECT_EQ(EscapeName(row[0]), row[1]) << row.where;
    }
}

TEST(StoreText, StringsRoundTripAndMalformedQuotesAreRejected) {
    const std::string values[] = {"",
                                  " both ends ",
                                  "say \"hi\"",
                                  "back\\slash",
                                  "line\nbreak\r\ttab",
                                  std::string("\x01\x1F", 2),
                                  "é+ü"};
    for (const std::string& value : values) {
        EXPECT_EQ(UnquoteString(QuoteString(value)), value) << QuoteString(value);
        EXPECT_EQ(QuoteString(value).find('\n'), std::string::npos);
    }
    for (const char* bad :
         {"abc", "\"abc", "\"", "\"a\"b\"", "\"bad\\q\"", "\"\\x4\"", "\"tail\\\"", "11"}) {
        EXPECT_FALSE(UnquoteString(bad).has_value()) << bad;
    }
}

// The rows of tests/data/tables/store-numbers.txt.
TEST(StoreText, NumbersAreSigned32BitDecimals) {
    for (const tarntest::TableRow& row : tarntest::ReadTable("store-numbers.txt")) {
        const std::optional<int32_t> value = ParseStoredNumber(row[0]);
        EXPECT_EQ(value ? std::to_string(*value) : "-", row[1]) << row.where;
        if (value) {
            EXPECT_EQ(FormatStoredNumber(*value), row[0]) << row.where;
        }
    }
}

// Options kept from one run to the next, in their file's format: the case
// tests/cases/windows/font-colours.
class UserStores : public ::testing::Test {
protected:
    std::string OptionsFile() const { return dir_ / "options.ini"; }
    std::string ProfileFile() const { return dir_ / "profile.ini"; }

    TempDir dir_;
};

TEST_F(UserStores, AbsentKeysAndTheOtherKindFailAndLeaveTheOutValue) {
    OptionsService options(dir_.Path().string());
    int32_t number = 42;
    WString text = u"kept";
    EXPECT_LT(options.GetNumber(u"TARN_MAP_BKCOLOUR", &number), 0);
    EXPECT_LT(options.GetString(u"TARN_MAP_FONT_NAME", &text), 0);
    ASSERT_EQ(options.SetString(u"AS_TEXT", u"12"), kStatusOk);
    ASSERT_EQ(options.SetNumber(u"AS_NUMBER", 12), kStatusOk);
    EXPECT_LT(options.GetNumber(u"AS_TEXT", &number), 0);
    EXPECT_LT(options.GetString(u"AS_NUMBER", &text), 0);
    EXPECT_EQ(number, 42);
    EXPECT_EQ(text, u"kept");
    // Setting the other kind changes the kind.
    ASSERT_EQ(options.SetNumber(u"AS_TEXT", 7), kStatusOk);
    EXPECT_EQ(options.GetNumber(u"AS_TEXT", &number), kStatusOk);
    EXPECT_EQ(number, 7);
    EXPECT_LT(options.GetString(u"AS_TEXT", &text), 0);
    EXPECT_LT(options.GetNumber(u"AS_TEXT", nullptr), 0);
    EXPECT_LT(options.SetNumber(u"", 1), 0);
}

TEST_F(UserStores, HandWrittenFileKeepsCommentsAndUnknownEntries) {
    const std::string original =
        "# my display options\n"
        "[options]\n"
        "TARN_MAP_FONT_NAME = \"Consolas\"\n"
        "; size set by hand\n"
        "TARN_MAP_FONT_SIZE = 12\n"
        "UNQUOTED = Consolas\n"
        "OTHER_TOOL = \"x\"\n"
        "\n"
        "[elsewhere]\n"
        "key = value\n";
    dir_.Write("options.ini", original);
    OptionsService options(dir_.Path().string());
    WString name;
    int32_t size = 0;
    ASSERT_EQ(options.GetString(u"TARN_MAP_FONT_NAME", &name), kStatusOk);
    EXPECT_EQ(name, u"Consolas");
    EXPECT_LT(options.GetString(u"UNQUOTED", &name), 0);
    EXPECT_LT(options.GetNumber(u"UNQUOTED", &size), 0);
    ASSERT_EQ(options.SetNumber(u"TARN_MAP_FONT_SIZE", 14), kStatusOk);
    ASSERT_EQ(options.SetNumber(u"TARN_MAP_BKCOLOUR", 5), kStatusOk);
    std::string expected = original;
    expected.replace(expected.find("SIZE = 12"), 9, "SIZE = 14");
    expected.insert(expected.find("\n\n[elsewhere]") + 1, "TARN_MAP_BKCOLOUR = 5\n");
    EXPECT_EQ(ReadAll(OptionsFile()), expected);
}

TEST_F(UserStores, FailedWriteLeavesTheOldFileAndValueWhole) {
    OptionsService options(dir_.Path().string());
    ASSERT_EQ(options.SetNumber(u"TARN_MAP_FONT_SIZE", 11), kStatusOk);
    const std::string before = ReadAll(OptionsFile());
    // A directory where the write puts its temporary file makes the write fail before the
    // rename; permission bits would not, as the tests may run as root.
    const fs::path temporary = OptionsFile() + ".tmp" + std::to_string(::getpid());
    fs::create_directories(temporary / "inner");
    EXPECT_EQ(options.SetNumber(u"TARN_MAP_FONT_SIZE", 20), kStatusFail);
    EXPECT_EQ(options.SetString(u"TARN_MAP_FONT_NAME", u"Arial"), kStatusFail);
    EXPECT_NE(options.LastError().find("cannot be"), std::string::npos);
    EXPECT_EQ(ReadAll(OptionsFile()), before);
    int32_t size = 0;
    ASSERT_EQ(options.GetNumber(u"TARN_MAP_FONT_SIZE", &size), kStatusOk);
    EXPECT_EQ(size, 11);
    WString name;
    EXPECT_LT(options.GetString(u"TARN_MAP_FONT_NAME", &name), 0);
    fs::remove_all(temporary);
    EXPECT_EQ(options.SetNumber(u"TARN_MAP_FONT_SIZE", 20), kStatusOk);
    EXPECT_TRUE(options.LastError().empty());
}

TEST_F(UserStores, MalformedFileIsNeverOverwritten) {
    const std::string original = "[options]\nTARN_MAP_FONT_SIZE = 12\nno equals sign\n";
    dir_.Write("options.ini", original);
    OptionsService options(dir_.Path().string());
    int32_t size = 0;
    EXPECT_LT(options.GetNumber(u"TARN_MAP_FONT_SIZE", &size), 0);
    EXPECT_EQ(options.SetNumber(u"TARN_MAP_FONT_SIZE", 14), kStatusFail);
    EXPECT_NE(options.LastError().find("options.ini:3: "), std::string::npos);
    EXPECT_EQ(ReadAll(OptionsFile()), original);
}

TEST_F(UserStores, ProfileKeepsColumnLayoutsPerWindowClassAcrossRuns) {
    const struct {
        const char16_t* section;
        const char16_t* key;
        int32_t value;
    } entries[] = {
        {u"CTarnMapSectionListInstanceCtrl", u"ColWidth0", 120},
        {u"CTarnMapSectionListInstanceCtrl", u"ColWidth1", -80},
        {u"CTarnMapSymbolListInstanceCtrl", u"ColWidth0", 200},
        {u"Odd]Class|", u"ColWidth0", 5},
    };
    {
        ProfileService first(dir_.Path().string());
        for (const auto& e : entries) {
            ASSERT_EQ(first.WriteNumber(e.section, e.key, e.value), kStatusOk);
        }
    }
    ProfileService next(dir_.Path().string());
    for (const auto& e : entries) {
        int32_t value = 0;
        ASSERT_EQ(next.ReadNumber(e.section, e.key, &value), kStatusOk);
        EXPECT_EQ(value, e.value);
    }
    // Absent entries fail and leave the caller's current width in place.
    int32_t width = 77;
    EXPECT_LT(next.ReadNumber(u"CTarnMapSymbolListInstanceCtrl", u"ColWidth1", &width), 0);
    EXPECT_LT(next.ReadNumber(u"Odd", u"ColWidth0", &width), 0);
    EXPECT_EQ(width, 77);
    EXPECT_LT(next.WriteNumber(u"", u"ColWidth0", 1), 0);
    EXPECT_NE(ReadAll(ProfileFile())
                  .find("[CTarnMapSectionListInstanceCtrl]\nColWidth0 = 120\nColWidth1 = -80\n"),
              std::string::npos);
}

}  // namespace
}  // namespace tarnhost
