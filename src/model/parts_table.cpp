// The parts table: its rows as texts and what they read as.
#include "model/parts_table.h"

#include "model/number_format.h"

namespace kalvesta {

std::string& CellAt(PartCells& cells, int column) {
    switch (column) {
        case 0:
            return cells.name;
        case 1:
            return cells.mass_g;
        default:
            return cells.x_mm;
    }
}

const std::string& CellAt(const PartCells& cells, int column) {
    return CellAt(const_cast<PartCells&>(cells), column);
}

PartCells CellsOf(const Part& part) {
    return {part.name, FormatShortest(part.mass_g), FormatShortest(part.x_mm)};
}

PartsTable::PartsTable(const std::vector<Part>& parts) {
    std::vector<PartCells> rows;
    rows.reserve(parts.size());
    for (const Part& part : parts) {
        rows.push_back(CellsOf(part));
    }
    Splice(0, 0, std::move(rows));
}

PartsTable::RowReading PartsTable::Read(const PartCells& cells) {
    RowReading reading;
    reading.empty = TrimBlanks(cells.name).empty() && TrimBlanks(cells.mass_g).empty() &&
                    TrimBlanks(cells.x_mm).empty();
    if (!reading.empty) {
        // A table takes what a spreadsheet gives, a decimal comma included.
        reading.read = ReadPartRow(cells.name, cells.mass_g, cells.x_mm, true);
    }
    return reading;
}

void PartsTable::Splice(int first, int count, std::vector<PartCells> rows) {
    const auto at = rows_.begin() + first;
    const auto readings_at = row_readings_.begin() + first;
    std::vector<RowReading> readings;
    readings.reserve(rows.size());
    for (const PartCells& cells : rows) {
        readings.push_back(Read(cells));
    }
    rows_.erase(at, at + count);
    row_readings_.erase(readings_at, readings_at + count);
    rows_.insert(rows_.begin() + first, std::make_move_iterator(rows.begin()),
                 std::make_move_iterator(rows.end()));
    row_readings_.insert(row_readings_.begin() + first, readings.begin(), readings.end());
    Collect();
}

void PartsTable::Collect() {
    reading_ = PartsReading{};
    for (size_t row = 0; row < row_readings_.size(); ++row) {
        const RowReading& cells = row_readings_[row];
        if (cells.empty) {
            continue;
        }
        if (cells.read.problem != PartRowProblem::kNone) {
            reading_.parts.clear();
            reading_.problem = PartsProblem{static_cast<int>(row) + 1, cells.read.problem,
                                            rows_[row].mass_g, rows_[row].x_mm};
            return;
        }
        reading_.parts.push_back(cells.read.part);
    }
}

}  // namespace kalvesta
