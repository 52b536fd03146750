#include "src/util/PlaceholderExpansion.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <regex>
#include <string>

#include "tests/src/util/FakePlaceholderHost.h"
#include "tests/support/TableFile.h"

namespace {

constexpr std::time_t kMarch5th2024 = 1709622489;     // Tue 2024-03-05 07:08:09 UTC
constexpr std::time_t kDecember1st2024 = 1733011200;  // Sun 2024-12-01 00:00:00 UTC

const std::string kProjDir = "/ws/Board/Blinky";

// Keeps an environment variable at a value for the lifetime of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        setenv(name, value, 1);
        tzset();
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
        tzset();
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class PlaceholderExpansion : public ::testing::Test {
protected:
    PlaceholderExpansion() {
        host.placeholders = &placeholders;
        host.custom = &custom;
        system.now = kMarch5th2024;
        system.userName = "alice";
    }

    std::string Run(const std::string& text, const std::string* fileName = nullptr) {
        return Expand(&host, text, fileName, system);
    }

    ScopedEnv utc{"TZ", "UTC"};
    fakehost::Placeholders placeholders;
    fakehost::CustomPlaceholders custom;
    fakehost::Host host;
    PlaceholderSystemValues system;
};

// The rows of tests/data/tables/placeholder-names.txt.
TEST_F(PlaceholderExpansion, EveryTableRowByLongAndShortName) {
    const auto rows = tarntest::ReadTable("placeholder-names.txt");
    for (const tarntest::TableRow& row : rows) {
        const std::string& shortValue = row.fields.size() > 3 ? row[3] : row[2];
        EXPECT_EQ(Run("<$(" + row[0] + ")>"), "<" + row[2] + ">") << row.where;
        EXPECT_EQ(Run("<$(" + row[1] + ")>"), "<" + shortValue + ">") << row.where;
    }
    EXPECT_EQ(rows.size(), 35u);
}

TEST_F(PlaceholderExpansion, DateAndTimeFormats) {
    system.now = kDecember1st2024;
    EXPECT_EQ(Run("$(TIME) $(DATE_TEXT) $(DATE_DMY) $(DATE_MDY) $(DATE_YMD)"),
              "00:00:00 December 01, 2024 01/12/2024 12/01/2024 2024/12/01");
    ScopedEnv tokyo("TZ", "JST-9");  // local time, not universal time
    EXPECT_EQ(Run("$(TM) $(DY)"), "09:00:00 2024/12/01");
}

struct FileCase {
    const char* path;
    const char* full;
    const char* name;
    const char* leaf;
    const char* dir;
    const char* extension;
};

TEST_F(PlaceholderExpansion, FileNameParts) {
    const FileCase cases[] = {
        {"/home/u/src/main.c", "/home/u/src/main.c", "main.c", "main", "/home/u/src/", ".c"},
        {"/etc/.profile", "/etc/.profile", ".profile", ".profile", "/etc/", ""},
        {"/", "/", "", "", "/", ""},
    };
    for (const auto& c : cases) {
        const std::string file = c.path;
        EXPECT_EQ(Run("[$(FULLFILE)|$(FILENAME)|$(FILELEAF)|$(FILEDIR)|$(EXTENSION)]", &file),
                  std::string("[") + c.full + "|" + c.name + "|" + c.leaf + "|" + c.dir + "|" +
                      c.extension + "]")
            << c.path;
        EXPECT_EQ(Run("$(FD)$(FN)", &file), c.full) << c.path;
        EXPECT_EQ(Run("$(FL)$(EX)", &file), c.name) << c.path;
    }
    const std::string empty;
    EXPECT_EQ(Run("$(FF)$(EX)", &empty), "$(FULLFILE)$(EXTENSION)");
}

struct NamesCase {
    const char16_t* workspace;
    const char16_t* project;
    const char16_t* config;
    int failingPosition;  // 0: none
    const char* expected;
};

TEST_F(PlaceholderExpansion, CurrentNamesThatAreMissingYieldTheLongForm) {
    const char* text = "$(WD)|$(WN)|$(PD)|$(PN)|$(CN)|$(CD)|$(BD)|$(TD)";
    // clang-format off
    const NamesCase cases[] = {
        {u"", u"Blinky", u"Debug", 0,
         "$(WORKSPDIR)|$(WORKSPNAME)|$(PROJDIR)|$(PROJECTNAME)|$(CONFIGNAME)|$(CONFIGDIR)|/opt/brae|/tmp/brae"},
        {u"Board", u"", u"Debug", 0,
         "/ws/Board|workspace-name:Board|$(PROJDIR)|$(PROJECTNAME)|$(CONFIGNAME)|$(CONFIGDIR)|/opt/brae|/tmp/brae"},
        {u"Board", u"Blinky", u"Debug", 12,
         "$(WORKSPDIR)|$(WORKSPNAME)|$(PROJDIR)|$(PROJECTNAME)|$(CONFIGNAME)|$(CONFIGDIR)|/opt/brae|/tmp/brae"},
        {u"Board", u"Blinky", u"Debug", 10,
         "/ws/Board|workspace-name:Board|/ws/Board/Blinky|project-name:Board,Blinky|$(CONFIGNAME)|$(CONFIGDIR)|/opt/brae|/tmp/brae"},
        // A name the host cannot give is dropped.
        {u"Board", u"Blinky", u"Debug", 23,
         "/ws/Board|workspace-name:Board||project-name:Board,Blinky|config-name:Board,Blinky,Debug|/ws/Board/Blinky/Debug|/opt/brae|/tmp/brae"},
        {u"Board", u"Blinky", u"Debug", 5,
         "/ws/Board|workspace-name:Board|/ws/Board/Blinky|project-name:Board,Blinky|config-name:Board,Blinky,Debug|/ws/Board/Blinky/Debug||/tmp/brae"},
    };
    // clang-format on
    for (const auto& c : cases) {
        placeholders.currentWorkspace = c.workspace;
        placeholders.currentProject = c.project;
        placeholders.currentConfig = c.config;
        placeholders.failing.clear();
        if (c.failingPosition != 0) {
            placeholders.failing.insert(c.failingPosition);
        }
        EXPECT_EQ(Run(text), c.expected) << "failing " << c.failingPosition;
    }
}

TEST_F(PlaceholderExpansion, TextRules) {
    custom.hostList = {{u"ERROR", u"host"}, {u"error", u"lower"},       {u"PRICE", u"cost$"},
                       {u"A", u"$(PD)"},    {u"SELF", u"<$(SELF)>"},    {u"OPEN", u"$("},
                       {u"PD", u"custom"},  {u"USERINPUTX", u"custom"}, {u"LINE", u"custom"}};
    // The rows of tests/data/tables/placeholder-texts.txt.
    for (const tarntest::TableRow& row : tarntest::ReadTable("placeholder-texts.txt")) {
        EXPECT_EQ(Run(row[0]), row[1]) << row.where;
    }
    placeholders.currentProject = u"$(PD)";
    EXPECT_EQ(Run("$(PD)"), "/ws/Board/$(PD)");
    placeholders.currentProject.clear();
    EXPECT_EQ(Run("$(PD)/out.map"), "$(PROJDIR)/out.map");
}

TEST_F(PlaceholderExpansion, AtMost9999PlaceholdersAreHandled) {
    custom.hostList = {{u"V", u"v"}};
    std::string text;
    for (int i = 0; i < 10000; ++i) {
        text += "$(V)";
    }
    EXPECT_EQ(Run(text), std::string(9999, 'v') + "$(V)");

    text.clear();
    for (int i = 0; i < 10001; ++i) {
        text += "$(NOPE)";
    }
    EXPECT_EQ(Run(text), "$(NOPE)$(NOPE)");
}

TEST_F(PlaceholderExpansion, CustomPlaceholders) {
    custom.hostList = {{u"OUT", u"build"},   {u"EMPTY_HOST", u""},  {u"BOTH", u"host"},
                       {u"Later", u"first"}, {u"Later", u"second"}, {u"Ort", u"Z\u00fcrich"}};
    custom.workspaceLists[u"Board"] = {{u"EMPTY_HOST", u"workspace"},
                                       {u"BOTH", u"workspace"},
                                       {u"WSONLY", u"ws"},
                                       {u"EMPTY_BOTH", u""}};
    EXPECT_EQ(Run("$(OUT)/x"), "build/x");
    EXPECT_EQ(Run("[$(EMPTY_HOST)]"), "[workspace]");  // an empty value looks further
    EXPECT_EQ(Run("[$(BOTH)]"), "[host]");
    EXPECT_EQ(Run("[$(WSONLY)]"), "[ws]");
    EXPECT_EQ(Run("[$(EMPTY_BOTH)]"), "[]");
    EXPECT_EQ(Run("[$(Later)]"), "[second]");
    EXPECT_EQ(Run("[$(Ort)]"), "[Z\xC3\xBCrich]");
    EXPECT_EQ(Run("[$(out)]"), "[]");
    ASSERT_FALSE(custom.workspacesAsked.empty());
    EXPECT_EQ(custom.workspacesAsked.back(), u"Board");

    // Without an open workspace only the host-wide map counts.
    placeholders.workspaceOpen = 0;
    EXPECT_EQ(Run("[$(WSONLY)|$(EMPTY_HOST)|$(OUT)]"), "[||build]");
    placeholders.workspaceOpen = 1;
    placeholders.failing.insert(35);
    EXPECT_EQ(Run("[$(WSONLY)]"), "[]");
    placeholders.failing.clear();
    custom.failing.insert(43);
    EXPECT_EQ(Run("[$(OUT)|$(WSONLY)]"), "[|ws]");
}

TEST_F(PlaceholderExpansion, MissingServicesLeaveTheirPlaceholdersUnresolved) {
    custom.hostList = {{u"OUT", u"build"}};
    custom.workspaceLists[u"Board"] = {{u"WSONLY", u"ws"}};
    const std::string text = "[$(BD)|$(TD)|$(WD)|$(PD)|$(CD)|$(OUT)|$(WSONLY)|$(WR)|$(LN)]";

    host.placeholders = nullptr;
    EXPECT_EQ(Run(text), "[|||||build||/|$(LINE)]");
    EXPECT_TRUE(custom.workspacesAsked.empty());

    host.placeholders = &placeholders;
    host.custom = nullptr;
    EXPECT_EQ(Run(text), "[/opt/brae|/tmp/brae|/ws/Board|" + kProjDir +
                             "|/ws/Board/Blinky/Debug|||/|$(LINE)]");

    EXPECT_EQ(Expand(nullptr, text, nullptr, system), "[|||||||/|$(LINE)]");
}

TEST_F(PlaceholderExpansion, ServicesAreReleasedWhenTheExpansionEnds) {
    custom.hostList = {{u"OUT", u"build"}};
    EXPECT_EQ(Run("$(PD)/$(OUT)/$(PD)"), kProjDir + "/build/" + kProjDir);
    EXPECT_EQ(host.servicesHandedOut, 2);
    EXPECT_EQ(placeholders.references, 0);
    EXPECT_EQ(custom.references, 0);
    EXPECT_EQ(placeholders.releases + custom.releases, 2);
}

TEST_F(PlaceholderExpansion, UserNameIsBoundedTo200Bytes) {
    system.userName = std::string(300, 'u');
    EXPECT_EQ(Run("$(USER)"), std::string(200, 'u'));
    system.userName = std::string(199, 'u') + "\xC3\xA9";  // the character would cross the bound
    EXPECT_EQ(Run("$(USER)"), std::string(199, 'u'));
    system.userName = std::string(198, 'u') + "\xC3\xA9";
    EXPECT_EQ(Run("$(UR)"), system.userName);
    system.userName.clear();
    EXPECT_EQ(Run("[$(USER)]"), "[]");
}

TEST_F(PlaceholderExpansion, MachineValuesComeFromTheSystem) {
    ScopedEnv user("USER", "tester");
    EXPECT_EQ(Expand(&host, "$(USER)", nullptr), "tester");
    EXPECT_TRUE(std::regex_match(Expand(&host, "$(DATE_YMD) $(TIME)", nullptr),
                                 std::regex(R"(\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2})")));
    EXPECT_EQ(Expand(nullptr, "no placeholders", nullptr), "no placeholders");
}

}  // namespace
