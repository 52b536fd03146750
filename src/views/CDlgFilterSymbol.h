// "Filter Symbol": switches the symbol filter on or off and edits it one column at a time:
// check boxes for the attribute and scope words, a text for the section and the file. The
// check boxes write into the view's own items as pages are left; Cancel puts back the items
// as they were when the dialog opened.
#pragma once

#include <string>

#include "src/shell/framework/CDlgWithHelp.h"
#include "src/views/SFilterItem.h"

class CDlgFilterSymbol : public CDlgWithHelp {
public:
    // Filter columns, in the order of the drop-down list.
    enum Page { kPageAttribute = 0, kPageScope = 1, kPageSection = 2, kPageFile = 3 };

    CDlgFilterSymbol(FilterItems& attributes, FilterItems& scopes, std::string sectionFilter,
                     std::string fileFilter, bool enabled, tarnui::Window* parent = nullptr);

    // After OK: what the view takes over.
    bool FilterEnabled() const { return enabled_; }
    const std::string& SectionFilter() const { return sectionFilter_; }
    const std::string& FileFilter() const { return fileFilter_; }
    // Writes the items taken when the dialog opened back into the view's arrays.
    void RestoreItems();

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    FilterItems& PageItems(int page) { return page == kPageScope ? scopes_ : attributes_; }
    void ShowPage(int page);
    void CommitPage();
    void FillCheckList(const FilterItems& items);
    void SetAllChecks(int state);
    // Every control but OK and Cancel follows "Enable Filter".
    void UpdateEnables();

    FilterItems& attributes_;
    FilterItems& scopes_;
    FilterItems savedAttributes_;
    FilterItems savedScopes_;
    std::string sectionFilter_;
    std::string fileFilter_;
    bool enabled_;
    int page_ = kPageAttribute;
    std::string editText_;
};
