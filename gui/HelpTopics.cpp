#include "gui/HelpTopics.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include "platform/windows/Window.h"

namespace tarngui {

namespace {
bool ParseNumber(const QString& text, uint32_t* value) {
    bool ok = false;
    const qulonglong v = text.startsWith("0x", Qt::CaseInsensitive)
                             ? text.mid(2).toULongLong(&ok, 16)
                             : text.toULongLong(&ok, 10);
    *value = static_cast<uint32_t>(v);
    return ok && v <= 0xFFFFFFFFull;
}

// The caption of the window that asked, or of the nearest parent that has one.
QString CaptionAbove(const tarnui::Window* window) {
    for (; window != nullptr; window = window->GetParent()) {
        if (!window->GetWindowText().empty()) {
            return QString::fromStdString(window->GetWindowText());
        }
    }
    return {};
}
}  // namespace

QString AnchorOf(const QString& caption) {
    static const QRegularExpression kNotWord("[^a-z0-9]+");
    QString anchor = caption.toLower().replace(kNotWord, "-");
    while (anchor.startsWith('-')) {
        anchor.remove(0, 1);
    }
    while (anchor.endsWith('-')) {
        anchor.chop(1);
    }
    return anchor;
}

HelpTopics HelpTopics::Load(const QString& folder) {
    HelpTopics topics;
    topics.folder_ = folder;
    QFile file(QDir(folder).filePath("topics.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return topics;
    }
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        const QStringList words = line.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        if (line.startsWith('#') || words.size() != 2) {
            continue;
        }
        const QStringList bounds = words[0].split('-');
        Range range;
        range.page = words[1];
        if (ParseNumber(bounds[0], &range.first) &&
            (bounds.size() == 1 ? (range.last = range.first, true)
                                : bounds.size() == 2 && ParseNumber(bounds[1], &range.last))) {
            topics.ranges_.push_back(range);
        }
    }
    return topics;
}

QString HelpTopics::PageOf(uint32_t context) const {
    for (const Range& range : ranges_) {
        if (context >= range.first && context <= range.last) {
            const QString path = QDir(folder_).filePath(range.page);
            return QFile::exists(path) ? path : QString();
        }
    }
    return {};
}

QUrl HelpTopics::UrlFor(const tarnui::HelpRequest& request) const {
    if (request.kind == tarnui::HelpKind::ContextMode) {
        return {};
    }
    const auto context = static_cast<uint32_t>(request.data);
    const QString page = PageOf(context);
    if (page.isEmpty()) {
        return {};
    }
    QUrl url = QUrl::fromLocalFile(page);
    if (request.kind == tarnui::HelpKind::Html) {
        url.setFragment(AnchorOf(CaptionAbove(request.owner)));
    } else if ((context & 0x80000000u) != 0) {
        url.setFragment("control-" + QString::number(context & 0xFFFFu));
    }
    return url;
}

}  // namespace tarngui
