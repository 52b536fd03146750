#include "src/data/LinkerSectionTypes.h"

#include <utility>

CLinkerSubSectionGroup::CLinkerSubSectionGroup() = default;

CLinkerSubSectionGroup::CLinkerSubSectionGroup(std::string text, uint32_t overlay)
    : text(std::move(text)), overlay(overlay) {}

CLinkerSubSectionGroup::~CLinkerSubSectionGroup() = default;
