#include "src/views/PrintTextFile.h"

#include <cstdio>
#include <fstream>

#include "platform/system/TempPath.h"

namespace {
constexpr size_t kBlockSize = 64 * 1024;
}

PrintTextFile::PrintTextFile(const std::string& path, Mode mode)
    : file_(path, mode == Mode::Append ? tarnui::PrivateFileWriter::Mode::Append
                                       : tarnui::PrivateFileWriter::Mode::Create) {}

void PrintTextFile::Write(const std::string& text) {
    pending_ += text;
    if (pending_.size() >= kBlockSize) {
        file_.Write(pending_);
        pending_.clear();
    }
}

void PrintTextFile::WriteLine(const std::string& text) {
    Write(text);
    Write(kPrintLineEnd);
}

bool PrintTextFile::Close() {
    const bool written = file_.Write(pending_);
    pending_.clear();
    return file_.Close() && written;
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
    const std::string directory = tarnui::GetTempPath();
    return directory.empty() ? std::string() : directory + name;
}

void RemovePrintFile(const std::string& path) {
    std::remove(path.c_str());
}
