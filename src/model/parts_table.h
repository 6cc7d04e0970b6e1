// The parts list as the user edits it: rows of three texts (name, mass in g, x in mm)
// as typed or pasted, each read by the row rules of parts.h, and what the whole
// table reads as. A row that does not read keeps its texts, so nothing typed is lost.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/parts.h"

namespace kalvesta {

struct PartCells {
    std::string name;
    std::string mass_g;
    std::string x_mm;
    friend bool operator==(const PartCells&, const PartCells&) = default;
};

inline constexpr int kPartColumnCount = 3;

// Column 0 the name, 1 the mass, 2 the x.
std::string& CellAt(PartCells& cells, int column);
const std::string& CellAt(const PartCells& cells, int column);

// The texts a part shows: its name and its numbers in their shortest form (0.1, not
// 0.10000000000000001).
PartCells CellsOf(const Part& part);

// The first row that breaks the row rules, numbered from 1 as shown.
struct PartsProblem {
    int row = 0;
    PartRowProblem problem = PartRowProblem::kNone;
    std::string mass_g;
    std::string x_mm;
};

// The table's parts (rows with nothing in them left out), or its first bad row and
// then no parts: nothing half read.
struct PartsReading {
    std::vector<Part> parts;
    std::optional<PartsProblem> problem;
};

class PartsTable {
public:
    PartsTable() = default;
    explicit PartsTable(const std::vector<Part>& parts);

    int row_count() const { return static_cast<int>(rows_.size()); }
    const PartCells& row(int index) const { return rows_[static_cast<size_t>(index)]; }
    const std::vector<PartCells>& rows() const { return rows_; }

    // Rows [first, first + count) replaced by `rows`; every edit of the table is one.
    // Only the rows put in are read again.
    void Splice(int first, int count, std::vector<PartCells> rows);

    // What the table reads as now (kept up to date by Splice).
    const PartsReading& reading() const { return reading_; }

    friend bool operator==(const PartsTable& a, const PartsTable& b) { return a.rows_ == b.rows_; }

private:
    struct RowReading {
        bool empty = true;  // nothing but blanks in every cell: left out
        PartRow read;
    };
    static RowReading Read(const PartCells& cells);
    void Collect();

    std::vector<PartCells> rows_;
    std::vector<RowReading> row_readings_;
    PartsReading reading_;
};

}  // namespace kalvesta
