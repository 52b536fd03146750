// Printing a list: its text is written to "Listtmp.txt" in the temporary directory, the
// person chooses a printer, and the file is printed in "Courier New" sized so that 66 lines
// fill a page. The temporary file is deleted in every case.
#pragma once

namespace tarnui {
class ListControl;
}

inline constexpr const char* kListPrintFileName = "Listtmp.txt";
inline constexpr int kListLinesPerPage = 66;

void PrintList(tarnui::ListControl& list);
