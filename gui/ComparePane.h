// The "Compare" pane: what changed in size from the open build (old) to another listing, map
// file or workspace (new): the sections, then the symbols, each by the absolute difference,
// then the bytes per memory area and in total.
#pragma once

#include <QAbstractTableModel>
#include <QLabel>
#include <QTableView>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

namespace tarncli::session {
class MapSession;
}

namespace tarngui {

struct DiffRow {
    QString record;  // "section", "symbol", "area" or "total"
    QString name;
    QString file;
    std::optional<uint64_t> oldSize;
    std::optional<uint64_t> newSize;
    int64_t difference = 0;
};

class DiffModel : public QAbstractTableModel {
public:
    void SetRows(std::vector<DiffRow> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<DiffRow> rows_;
};

class ComparePane : public QWidget {
public:
    explicit ComparePane(QWidget* parent = nullptr);

    // Compares the session's build with the build at path; false with the reason shown.
    // reread: the open build was rebuilt.
    bool Compare(tarncli::session::MapSession* session, const std::string& path,
                 bool reread = false);
    // Compares again with the same file.
    void Refresh(tarncli::session::MapSession* session, bool reread) {
        Compare(session, path_, reread);
    }
    const std::string& Path() const { return path_; }
    const DiffModel& Model() const { return model_; }
    QString Summary() const { return summary_->text(); }

private:
    std::string path_;
    QLabel* summary_;
    QTableView* table_;
    DiffModel model_;
};

}  // namespace tarngui
