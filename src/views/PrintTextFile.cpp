#include "src/views/PrintTextFile.h"

#include <cstdio>

#include "platform/system/TempPath.h"

PrintTextFile::PrintTextFile(const std::string& path, Mode mode)
    : out_(path, std::ios::binary | (mode == Mode::Append ? std::ios::app : std::ios::trunc)) {}

bool PrintTextFile::Close() {
    out_.flush();
    const bool ok = out_.good();
    out_.close();
    return ok;
}

bool ReadPrintTextLines(const std::string& path, std::vector<std::string>& lines) {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        return false;
    }
    lines.clear();
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return !in.bad();
}

std::string TempPrintFilePath(const std::string& name) {
    return tarnui::GetTempPath() + name;
}

void RemovePrintFile(const std::string& path) {
    std::remove(path.c_str());
}
