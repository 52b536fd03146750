#include "gui/ComparePane.h"

#include <QHeaderView>
#include <QVBoxLayout>
#include <sstream>

#include "host/cli/BuildDiff.h"
#include "host/cli/BuildInput.h"
#include "host/cli/session/SessionBuild.h"

namespace tarngui {
namespace {

enum Column { kRecord, kName, kFile, kOld, kNew, kDifference, kColumns };

QString Size(std::optional<uint64_t> size) {
    return size ? QString::number(*size, 16).toUpper().rightJustified(8, '0') : QString();
}

QString Difference(int64_t value) {
    const uint64_t magnitude =
        value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    return (value < 0 ? "-" : "+") +
           QString::number(magnitude, 16).toUpper().rightJustified(8, '0');
}

void AddChanges(const QString& record, const tarncli::ChangeList& changes,
                std::vector<DiffRow>& rows) {
    for (size_t i = 0; i < changes.size(); ++i) {
        const tarncli::SizeChange change = changes[i];
        rows.push_back({record, QString::fromUtf8(change.name.data(), change.name.size()),
                        QString::fromUtf8(change.file.data(), change.file.size()), change.oldSize,
                        change.newSize, change.Difference()});
    }
}

}  // namespace

void DiffModel::SetRows(std::vector<DiffRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int DiffModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DiffModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant DiffModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole && index.column() >= kOld) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const DiffRow& row = rows_[static_cast<size_t>(index.row())];
    switch (index.column()) {
        case kRecord:
            return row.record;
        case kName:
            return row.name;
        case kFile:
            return row.file;
        case kOld:
            return Size(row.oldSize);
        case kNew:
            return Size(row.newSize);
        default:
            return Difference(row.difference);
    }
}

QVariant DiffModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const kTitles[kColumns] = {"Kind",     "Name",     "File",
                                                  "Old size", "New size", "Difference"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumns) {
        return {};
    }
    return kTitles[section];
}

ComparePane::ComparePane(QWidget* parent)
    : QWidget(parent), summary_(new QLabel(this)), table_(new QTableView(this)) {
    auto* layout = new QVBoxLayout(this);
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    table_->setModel(&model_);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
}

bool ComparePane::Compare(tarncli::session::MapSession* session, const std::string& path,
                          bool reread) {
    path_ = path;
    model_.SetRows({});
    std::string error;  // the host's makers add to it: it starts empty
    const auto older = session != nullptr ? tarncli::session::CurrentBuild(*session, reread, &error)
                                          : std::nullopt;
    if (session == nullptr) {
        error = "no workspace open";
    }
    std::ostringstream warnings;
    const auto newer =
        older ? tarncli::LoadBuild(tarncli::SourceOfPath(path), warnings, &error) : std::nullopt;
    if (!newer) {
        summary_->setText(QString::fromStdString("Cannot compare with " + path + ": " + error));
        return false;
    }
    const tarncli::BuildDiff diff = tarncli::DiffBuilds(older->sections, *older->linkMap,
                                                        newer->sections, *newer->data->LinkMap());
    std::vector<DiffRow> rows;
    AddChanges("section", diff.sections, rows);
    AddChanges("symbol", diff.symbols, rows);
    const std::vector<tarncli::AreaTotal> totals =
        tarncli::AreaTotals(older->areas, older->sections, newer->areas, newer->sections,
                            older->loadImages, newer->loadImages);
    for (size_t i = 0; i < totals.size(); ++i) {
        const bool last = i + 1 == totals.size();
        rows.push_back({last ? "total" : "area",
                        QString::fromStdString(totals[i].name),
                        {},
                        totals[i].oldBytes,
                        totals[i].newBytes,
                        totals[i].Difference()});
    }
    model_.SetRows(std::move(rows));
    table_->resizeColumnsToContents();
    summary_->setText(QString("Open build (old) against %1 (new): %2 sections and %3 symbols "
                              "changed in size. %4")
                          .arg(QString::fromStdString(path))
                          .arg(diff.sections.size())
                          .arg(diff.symbols.size())
                          .arg(QString::fromStdString(warnings.str()).trimmed()));
    return true;
}

}  // namespace tarngui
