#include <gtest/gtest.h>

#include <string>

#include "HeadlessFixture.h"
#include "platform/printing/PrintDialog.h"
#include "platform/printing/PrinterDC.h"

namespace tarnui {
namespace {

using PrinterTest = testing_support::HeadlessTest;

TEST_F(PrinterTest, PrintDialogAnswersFromTheScriptAndCancelsByDefault) {
    DeviceSettings letter = HeadlessScript::HeadlessPrinter();
    letter.paperSize = 1;
    script.PrintDialog(true, letter).PrintDialog(false);
    PrintDialogRequest request;
    std::optional<PrintChoice> first = ShowPrintDialog(request);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->settings.paperSize, 1);
    EXPECT_FALSE(ShowPrintDialog(request).has_value());
    EXPECT_FALSE(ShowPrintDialog(request).has_value());
    const auto shown = backend.EventsOf(ShownKind::PrintDialog);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_FALSE(shown[1].defaulted);
    EXPECT_TRUE(shown[2].defaulted);
}

TEST_F(PrinterTest, DocumentsAreRecordedPageByPageWithEveryTextAndPosition) {
    PrinterDC dc(HeadlessScript::HeadlessPrinter());
    dc.SelectFont(Font{"Courier New", 53, 0, kWeightNormal});
    ASSERT_TRUE(dc.StartDoc("/tmp/Listtmp.txt"));
    ASSERT_TRUE(dc.StartPage());
    EXPECT_TRUE(dc.TextOut(0, 0, "Section"));
    EXPECT_TRUE(dc.TextOut(0, 52, "P"));
    ASSERT_TRUE(dc.EndPage());
    ASSERT_TRUE(dc.StartPage());
    EXPECT_TRUE(dc.TextOut(0, 0, "D"));
    ASSERT_TRUE(dc.EndDoc()) << "ends the open page too";
    EXPECT_EQ(dc.PagesPrinted(), 2);

    ASSERT_EQ(backend.Documents().size(), 1u);
    const PrintedDocument& doc = backend.Documents()[0];
    EXPECT_EQ(doc.name, "/tmp/Listtmp.txt");
    EXPECT_TRUE(doc.ended);
    ASSERT_EQ(doc.pages.size(), 2u);
    ASSERT_EQ(doc.pages[0].texts.size(), 2u);
    EXPECT_EQ(doc.pages[0].texts[1].y, 52);
    EXPECT_EQ(doc.pages[0].texts[1].text, "P");
    EXPECT_EQ(doc.pages[0].texts[1].fontFace, "Courier New");
    EXPECT_EQ(doc.pages[0].texts[1].fontHeight, 53);
    EXPECT_EQ(doc.pages[1].texts[0].text, "D");
}

TEST_F(PrinterTest, CallsOutOfOrderFailAndUnfinishedDocumentsAreAborted) {
    {
        PrinterDC dc(HeadlessScript::HeadlessPrinter());
        EXPECT_FALSE(dc.StartPage()) << "no document";
        EXPECT_FALSE(dc.TextOut(0, 0, "x"));
        EXPECT_FALSE(dc.EndDoc());
        ASSERT_TRUE(dc.StartDoc("doc"));
        EXPECT_FALSE(dc.StartDoc("again"));
        EXPECT_FALSE(dc.TextOut(0, 0, "outside a page"));
        EXPECT_FALSE(dc.EndPage());
        ASSERT_TRUE(dc.StartPage());
        EXPECT_FALSE(dc.StartPage());
    }
    ASSERT_EQ(backend.Documents().size(), 1u);
    EXPECT_TRUE(backend.Documents()[0].aborted);
    EXPECT_FALSE(backend.Documents()[0].ended);
    EXPECT_TRUE(backend.Documents()[0].pages.at(0).texts.empty());

    backend.SetPrinterAvailable(false);
    PrinterDC dc(HeadlessScript::HeadlessPrinter());
    EXPECT_FALSE(dc.StartDoc("nowhere"));
    EXPECT_FALSE(dc.StartPage());
    EXPECT_EQ(backend.Documents().size(), 1u);
}

struct PageCase {
    int code, paperWidth, paperLength, quality;
    bool landscape;
    Size expectedDots;
};

class PrinterPageSize : public ::testing::TestWithParam<PageCase> {};

TEST_P(PrinterPageSize, ComesFromPaperDimensionsOrTheCodeTable) {
    const PageCase& c = GetParam();
    DeviceSettings s;
    s.paperSize = c.code;
    s.paperWidth = c.paperWidth;
    s.paperLength = c.paperLength;
    s.printQuality = c.quality;
    s.landscape = c.landscape;
    EXPECT_EQ(PrinterDC(s).PageSizeDots(), c.expectedDots);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, PrinterPageSize, ::testing::Values(
    PageCase{9, 0, 0, 300, false, {2480, 3507}},        // A4 from the table
    PageCase{1, 0, 0, 600, false, {5100, 6600}},        // letter
    PageCase{9, 1000, 2540, 100, false, {393, 1000}},   // dimensions win
    PageCase{9, 0, 2540, 300, false, {2480, 3507}},     // one dimension is not enough
    PageCase{77, 0, 0, -3, false, {3507, 2480}},        // quality code: 300 dpi
    PageCase{12345, 0, 0, 300, true, {3507, 2480}}));   // unknown code: A4
// clang-format on

}  // namespace
}  // namespace tarnui
