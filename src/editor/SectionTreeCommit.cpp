#include "src/editor/SectionTreeCommit.h"

#include "src/editor/AddressListCheck.h"
#include "src/editor/SectionCheckErrors.h"
#include "src/editor/SectionListCheck.h"

namespace {

int CheckGroup(const CSectionTreeNodes& nodes, TreeItem group, IBraeValueConversion* conversion) {
    const SectionCapabilities& caps = nodes.Capabilities();
    const int error =
        CheckAddressList(nodes.Text(group), caps.rangeAllowed, caps.severalAllowed, conversion);
    if (error != kCheckSuccess) {
        return error;
    }
    return CheckSectionList(nodes.Text(nodes.FirstChild(group)), caps.overlayAllowed,
                            caps.partialAllowed, true);
}

}  // namespace

int ValidateSectionTree(const CSectionTreeNodes& nodes, IBraeValueConversion* conversion) {
    for (TreeItem group : nodes.Groups()) {
        if (const int error = CheckGroup(nodes, group, conversion)) {
            return error;
        }
    }
    return kCheckSuccess;
}

int CollectSectionEntries(const CSectionTreeNodes& nodes, IBraeValueConversion* conversion,
                          LinkerSectionRows& rows) {
    CLinkerSectionInfo::FreeLinkerSectionRows(rows);
    const SectionCapabilities& caps = nodes.Capabilities();
    const std::vector<TreeItem> groups = nodes.Groups();
    rows.reserve(groups.size());
    for (TreeItem group : groups) {
        if (const int error = CheckGroup(nodes, group, conversion)) {
            CLinkerSectionInfo::FreeLinkerSectionRows(rows);
            return error;
        }
        auto entry = std::make_unique<tagLinkerSectionInfo>();
        const std::string& addresses = nodes.Text(group);  // the tree does not change meanwhile
        const int count = CountAddressItems(addresses, caps.severalAllowed);
        for (int i = 0; i < count; ++i) {
            std::string start;
            std::string end;
            SplitAddressItem(i, addresses, caps.rangeAllowed, caps.severalAllowed, start, end);
            NormalizeAddressList(start, false, false, conversion);
            NormalizeAddressList(end, false, false, conversion);
            entry->startAddresses.push_back(std::move(start));
            entry->endAddresses.push_back(std::move(end));
        }
        entry->sections = nodes.Text(nodes.FirstChild(group));
        rows.push_back(std::move(entry));
    }
    return kCheckSuccess;
}
