#include "host/cli/session/ScriptWords.h"

namespace tarncli::session {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

}  // namespace

std::optional<std::vector<std::string>> SplitScriptWords(const std::string& line,
                                                         std::string* error) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '#') {
            break;
        }
        std::string word;
        if (line[i] != '"') {
            while (i < line.size() && !IsBlank(line[i])) {
                word += line[i++];
            }
            words.push_back(word);
            continue;
        }
        ++i;
        bool closed = false;
        while (i < line.size()) {
            const char c = line[i++];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) {
                word += line[i++];
            } else {
                word += c;
            }
        }
        if (!closed) {
            *error = "a quoted text is not closed";
            return std::nullopt;
        }
        words.push_back(word);
    }
    return words;
}

}  // namespace tarncli::session
