// Checks of a typed section list ("A,B:C", "A,(B:C),D"), its stored form and its split into
// the sub-groups that the section setting editor shows as tree nodes. Every check returns 0
// or the first fault as an error number of SectionCheckErrors.h.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "src/data/LinkerSectionTypes.h"

// Trims the text, removes every blank and tab, and strips the parentheses around a text that
// is one parenthesised group: "(A:B)" becomes "A:B"; "(A:B),(C:D)" and "(A:B" stay.
void NormalizeSectionText(std::string& text);
// The same normal form as a view into `text`, or into `storage` when blanks had to go.
std::string_view NormalSectionView(std::string_view text, std::string& storage);

// First fault of a section list (0 to 7). colonAllowed is false where the place being edited
// may not hold ":" at all (inside an overlay group).
int CheckSectionList(std::string_view text, bool overlayAllowed, bool partialAllowed,
                     bool colonAllowed);

// 1 when the normalised text holds ":" outside parentheses.
int HasTopLevelOverlay(std::string_view text);
// 1 when the text holds "(" or ")".
int HasParentheses(std::string_view text);
// 2 when the text holds ":", else 1 when it holds ",", else 0 (a single name).
int GetSectionTextKind(std::string_view text);

// Splits a valid section list into its groups in text order: at top-level ":" (every part after
// the first is an overlay member), else around parenthesised groups, else at ",". groups is
// emptied first and stays empty when the text does not pass the check.
void SplitSectionList(std::string_view text, bool overlayAllowed, bool partialAllowed,
                      std::vector<CLinkerSubSectionGroup>& groups);

// The same split without collecting: each group's text (valid only during the call) and
// overlay flag go to `take` in text order. False, with nothing taken, when the text does not
// pass the check.
using SectionGroupSink = std::function<void(std::string_view text, uint32_t overlay)>;
bool ForEachSectionGroup(std::string_view text, bool overlayAllowed, bool partialAllowed,
                         const SectionGroupSink& take);
// Whether a part that the split of a valid text gave passes the check as well (with the same
// flags and colon allowed): its names and delimiters passed already, so only a top-level ":"
// where overlays are not allowed fails.
bool SplitPartPassesCheck(std::string_view part, bool overlayAllowed);
