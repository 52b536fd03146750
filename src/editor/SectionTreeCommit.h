// Checking the section setting tree as a whole and turning it back into linker section
// entries, one per section group, in tree order.
#pragma once

#include "src/editor/CSectionTreeNodes.h"
#include "src/shell/HostInterfaces.h"

// The first fault of any group: its address list, then its section list. 0 when all pass.
int ValidateSectionTree(const CSectionTreeNodes& nodes, IBraeValueConversion* conversion);

// Builds the entries of every group into `rows` (emptied first): each address item in
// stored form, the section list as shown. On the first fault returns its error with `rows`
// emptied again; 0 when every group passed.
int CollectSectionEntries(const CSectionTreeNodes& nodes, IBraeValueConversion* conversion,
                          LinkerSectionRows& rows);
