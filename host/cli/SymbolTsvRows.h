// The symbol rows of a tsv export, the largest output of the command line, written straight
// from the model's records: each text that repeats from row to row is escaped once.
#pragma once

#include <string>

#include "host/cli/RowWriter.h"

class CLinkMapInfo;

namespace tarncli {

// The symbols of the section (all for an empty name) in row order, one row each.
void WriteSymbolTsvRows(const CLinkMapInfo& linkMap, const std::string& section, RowWriter& rows);

}  // namespace tarncli
