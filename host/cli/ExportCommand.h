// "tarnmap export": the model's rows under a header line, as tsv (the default), csv or json.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "host/cli/TableWriter.h"
#include "host/lib/SubstituteHost.h"

class CMemoryMapInfo;
class CTarnMapDataManager;

namespace tarncli {

int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Shared with the other commands that work on the data layer.
void GiveContext(tarnhost::SubstituteHost& host, CTarnMapDataManager& data);
bool LoadLinkMap(tarnhost::SubstituteHost& host, CTarnMapDataManager& data, std::string* error);
void WriteMemory(const CMemoryMapInfo& memory, std::ostream& out,
                 OutputFormat format = OutputFormat::kTsv);

}  // namespace tarncli
