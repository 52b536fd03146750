// Feeds arbitrary bytes to the map listing reader as a listing held in memory, then sorts and
// copies the rows. Checks that every sort leaves its column in order, that small lists get the
// order of the plain quicksort steps, and that a listing without carriage returns reads like
// its CR LF twin.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "src/data/CLinkMapInfo.h"
#include "src/data/LinkMapRowOrder.h"
#include "tests/src/data/FakeLinkerHost.h"
#include "tests/src/data/LiteralQuicksort.h"

namespace {

template <class Row>
std::vector<Row> Values(const std::vector<std::unique_ptr<Row>>& rows) {
    std::vector<Row> out;
    for (const auto& row : rows)
        out.push_back(*row);
    return out;
}

std::vector<tagLinkMapSymbolInfo> Symbols(const CLinkMapInfo& model) {
    LinkMapSymbolRows rows;
    model.GetSymbols(0, model.GetSymbolCount(""), "", rows);
    return Values(rows);
}

std::vector<tagLinkMapSectionInfo> Sections(const CLinkMapInfo& model) {
    LinkMapSectionRows rows;
    model.GetSections(0, model.GetSectionCount(), rows);
    return Values(rows);
}

void CheckSymbolSort(CLinkMapInfo& model, int number, int way) {
    const auto column = static_cast<SymbolColumn>(number);
    const auto direction = static_cast<RowSortDirection>(way);
    const auto before = Symbols(model);
    model.SortSymbols(column, direction);
    const auto after = Symbols(model);
    FUZZ_CHECK(after.size() == before.size());
    const auto compare = [&](const tagLinkMapSymbolInfo& a, const tagLinkMapSymbolInfo& b) {
        return linkmap::CompareSymbolRows(a, b, column, direction);
    };
    for (size_t i = 1; i < after.size(); ++i)
        FUZZ_CHECK(compare(after[i - 1], after[i]) <= 0);
    if (before.size() <= 200) {
        std::vector<const tagLinkMapSymbolInfo*> literal;
        for (const auto& row : before)
            literal.push_back(&row);
        linkmaptest::LiteralQuicksort(literal, 0, static_cast<int>(literal.size()) - 1, compare);
        for (size_t i = 0; i < after.size(); ++i)
            FUZZ_CHECK(*literal[i] == after[i]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fakehost::LinkerHost linker(false, false);  // value conversion only
    IBraeHost* host = &linker.host;
    CLinkMapInfo model(host);
    model.LoadText(text);

    const int column = size > 0 ? data[0] % 10 - 1 : 0;
    const int direction = size > 1 ? data[1] % 3 : 0;
    CheckSymbolSort(model, column, direction);
    CheckSymbolSort(model, (column + 1) % 8, 1 - direction % 2);
    model.SortSections(static_cast<SectionColumn>(column % 6),
                       static_cast<RowSortDirection>(direction));

    std::vector<uint32_t> starts, ends;
    const int any = model.GetUsedRanges(starts, ends);
    FUZZ_CHECK(starts.size() == ends.size() && (any == 1) == !starts.empty());
    if (model.GetSymbolCount("") > 0) {
        const std::string section = Symbols(model)[0].section;
        LinkMapSymbolRows rows;
        const int count = model.GetSymbolCount(section);
        FUZZ_CHECK(model.GetSymbols(0, count, section, rows) == count);
        FUZZ_CHECK(model.GetSymbols(count / 2, count, section, rows) == count - count / 2);
    }

    if (text.find('\r') == std::string_view::npos) {
        std::string twin;
        twin.reserve(size + size / 8);
        for (char c : text) {
            if (c == '\n')
                twin += '\r';
            twin += c;
        }
        CLinkMapInfo other(host);
        other.LoadText(twin);
        model.LoadText(text);
        FUZZ_CHECK(Sections(model) == Sections(other));
        FUZZ_CHECK(Symbols(model) == Symbols(other));
    }
    return 0;
}
