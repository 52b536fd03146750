#include "host/lib/WorkspaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace tarnhost {
namespace {

std::string_view Trim(std::string_view s) {
    const char* blanks = " \t\r\n\v\f";
    const size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const size_t last = s.find_last_not_of(blanks);
    return s.substr(first, last - first + 1);
}

void RenderLine(const WorkspaceLine& line, std::string& out) {
    if (line.kind == WorkspaceLine::Kind::Entry) {
        out += line.key;
        out += line.value.empty() ? " =" : " = ";
        out += line.value;
    } else {
        out += line.text;
    }
    out += '\n';
}

// The comments that close a section after its last entry introduce the next section: they
// move, from the first of them on, to the front of that section. A section without entries
// keeps its lines.
std::vector<WorkspaceLine> TakeLeadingComments(std::vector<WorkspaceLine>& lines) {
    auto isEntry = [](const WorkspaceLine& line) {
        return line.kind == WorkspaceLine::Kind::Entry;
    };
    const auto lastEntry = std::find_if(lines.rbegin(), lines.rend(), isEntry);
    if (lastEntry == lines.rend()) {
        return {};
    }
    const auto firstComment = std::find_if(
        lastEntry.base(), lines.end(),
        [](const WorkspaceLine& line) { return line.kind == WorkspaceLine::Kind::Comment; });
    std::vector<WorkspaceLine> leading(std::make_move_iterator(firstComment),
                                       std::make_move_iterator(lines.end()));
    lines.erase(firstComment, lines.end());
    return leading;
}

}  // namespace

std::optional<std::string> WorkspaceSection::Find(std::string_view key) const {
    for (const auto& line : lines) {
        if (line.kind == WorkspaceLine::Kind::Entry && line.key == key) {
            return line.value;
        }
    }
    return std::nullopt;
}

std::vector<std::string> WorkspaceSection::FindAll(std::string_view key) const {
    std::vector<std::string> values;
    for (const auto& line : lines) {
        if (line.kind == WorkspaceLine::Kind::Entry && line.key == key) {
            values.push_back(line.value);
        }
    }
    return values;
}

void WorkspaceSection::Set(std::string_view key, std::string_view value) {
    for (auto& line : lines) {
        if (line.kind == WorkspaceLine::Kind::Entry && line.key == key) {
            line.value = value;
            return;
        }
    }
    Add(key, value);
}

void WorkspaceSection::Remove(std::string_view key) {
    std::erase_if(lines, [&](const WorkspaceLine& line) {
        return line.kind == WorkspaceLine::Kind::Entry && line.key == key;
    });
}

void WorkspaceSection::Add(std::string_view key, std::string_view value) {
    // New entries go after the last entry, so trailing blank lines stay between sections.
    auto at = lines.end();
    while (at != lines.begin() && std::prev(at)->kind == WorkspaceLine::Kind::Blank) {
        --at;
    }
    WorkspaceLine line;
    line.kind = WorkspaceLine::Kind::Entry;
    line.key = key;
    line.value = value;
    lines.insert(at, std::move(line));
}

std::vector<std::pair<std::string, std::string>> WorkspaceSection::Entries() const {
    std::vector<std::pair<std::string, std::string>> entries;
    for (const auto& line : lines) {
        if (line.kind == WorkspaceLine::Kind::Entry) {
            entries.emplace_back(line.key, line.value);
        }
    }
    return entries;
}

bool WorkspaceFile::Parse(std::string_view text, std::string* error) {
    preamble_.clear();
    sections_.clear();
    size_t number = 0;
    while (!text.empty()) {
        ++number;
        const size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!raw.empty() && raw.back() == '\r') {
            raw.remove_suffix(1);
        }
        if (raw.find('\0') != std::string_view::npos) {
            *error = std::to_string(number) + ": the line holds a NUL byte";
            return false;
        }
        const std::string_view content = Trim(raw);
        auto& target = sections_.empty() ? preamble_ : sections_.back().lines;
        WorkspaceLine line;
        if (content.empty()) {
            line.kind = WorkspaceLine::Kind::Blank;
            line.text = raw;
        } else if (content.front() == '#' || content.front() == ';') {
            line.kind = WorkspaceLine::Kind::Comment;
            line.text = raw;
        } else if (content.front() == '[') {
            if (content.back() != ']' || content.size() < 3) {
                *error = std::to_string(number) + ": a section header must be \"[name]\"";
                return false;
            }
            WorkspaceSection section{
                std::string(Trim(content.substr(1, content.size() - 2))), {}, {}};
            if (!sections_.empty()) {
                section.leading = TakeLeadingComments(sections_.back().lines);
            }
            sections_.push_back(std::move(section));
            continue;
        } else {
            const size_t equals = content.find('=');
            if (equals == std::string_view::npos || Trim(content.substr(0, equals)).empty()) {
                *error = std::to_string(number) + ": expected \"key = value\" or \"[section]\"";
                return false;
            }
            if (sections_.empty()) {
                *error = std::to_string(number) + ": \"" +
                         std::string(Trim(content.substr(0, equals))) +
                         "\" stands before the first [section]";
                return false;
            }
            line.kind = WorkspaceLine::Kind::Entry;
            line.key = Trim(content.substr(0, equals));
            line.value = Trim(content.substr(equals + 1));
        }
        target.push_back(std::move(line));
    }
    return true;
}

std::string WorkspaceFile::Render() const {
    std::string out;
    for (const auto& line : preamble_) {
        RenderLine(line, out);
    }
    for (const auto& section : sections_) {
        for (const auto& line : section.leading) {
            RenderLine(line, out);
        }
        out += '[';
        out += section.name;
        out += "]\n";
        for (const auto& line : section.lines) {
            RenderLine(line, out);
        }
    }
    return out;
}

WorkspaceSection* WorkspaceFile::FindSection(std::string_view name) {
    for (auto& section : sections_) {
        if (section.name == name) {
            return &section;
        }
    }
    return nullptr;
}

const WorkspaceSection* WorkspaceFile::FindSection(std::string_view name) const {
    return const_cast<WorkspaceFile*>(this)->FindSection(name);
}

std::vector<const WorkspaceSection*> WorkspaceFile::FindSections(std::string_view name) const {
    std::vector<const WorkspaceSection*> found;
    for (const auto& section : sections_) {
        if (section.name == name) {
            found.push_back(&section);
        }
    }
    return found;
}

WorkspaceSection& WorkspaceFile::Section(std::string_view name) {
    if (auto* section = FindSection(name)) {
        return *section;
    }
    if (!sections_.empty() && !sections_.back().lines.empty() &&
        sections_.back().lines.back().kind != WorkspaceLine::Kind::Blank) {
        sections_.back().lines.push_back({});
    }
    sections_.push_back({std::string(name), {}, {}});
    return sections_.back();
}

void WorkspaceFile::ReplaceSections(std::string_view name,
                                    std::vector<WorkspaceSection> replacement) {
    size_t at = sections_.size();
    for (size_t i = 0; i < sections_.size(); ++i) {
        if (sections_[i].name == name) {
            at = std::min(at, i);
        }
    }
    size_t before = 0;
    for (size_t i = 0; i < at; ++i) {
        before += sections_[i].name == name ? 1 : 0;
    }
    std::erase_if(sections_, [&](const WorkspaceSection& s) { return s.name == name; });
    at -= before;
    sections_.insert(sections_.begin() + static_cast<std::ptrdiff_t>(at),
                     std::make_move_iterator(replacement.begin()),
                     std::make_move_iterator(replacement.end()));
}

bool ReadTextFile(const std::string& path, std::string* text, std::string* error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        *error = path + ": cannot be opened: " + std::strerror(errno);
        return false;
    }
    std::string content;
    char buffer[65536];
    int failure = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            failure = n < 0 ? errno : 0;
            break;
        }
        content.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    if (failure != 0) {
        *error = path + ": cannot be read: " + std::strerror(failure);
        return false;
    }
    *text = std::move(content);
    return true;
}

namespace {

// The file a path names after following every symbolic link at its end; a link whose target
// does not exist yet names that target.
std::filesystem::path FinalTarget(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path target = path;
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(target, ec); ++hops) {
        const fs::path link = fs::read_symlink(target, ec);
        if (ec) {
            break;
        }
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target;
}

int WriteAll(int fd, std::string_view text) {
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        written += static_cast<size_t>(n);
    }
    return 0;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view text, std::string* error) {
    // Through a link the file it names is replaced, and the link stays a link.
    const std::string target = FinalTarget(path).string();
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    // Made afresh and exclusively: a stale file of an earlier run goes, a link planted
    // under the name is not followed.
    const std::string temporary = target + ".tmp" + std::to_string(::getpid());
    ::unlink(temporary.c_str());
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        *error = path + ": cannot be written: " + std::strerror(errno);
        return false;
    }
    int failure = 0;
    if (existed) {
        // The replacement keeps the old file's permissions and, where allowed, its owner.
        if (::fchmod(fd, old.st_mode & 07777) != 0) {
            failure = errno;
        }
        [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd, 0666 & ~mask) != 0) {
            failure = errno;
        }
    }
    if (failure == 0) {
        failure = WriteAll(fd, text);
    }
    if (failure == 0 && ::fsync(fd) != 0) {
        failure = errno;
    }
    if (::close(fd) != 0 && failure == 0) {
        failure = errno;
    }
    if (failure == 0 && std::rename(temporary.c_str(), target.c_str()) != 0) {
        failure = errno;
    }
    if (failure != 0) {
        *error = path + ": cannot be written: " + std::strerror(failure);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace tarnhost
