// A large fixed-size table that starts as all zeros without touching its memory:
// the storage comes zeroed from the system, on huge pages where the system
// offers them, so memory becomes resident only where something is written.
// Making the analysis data at start-up then costs no time for the megabytes of
// lattice that a small aircraft never uses.
#pragma once

#include <array>
#include <cstddef>
#include <type_traits>
#include <utility>

#include "analysis/kernels/huge_page_block.h"

namespace kalvesta {

// Table is a std::array (of std::arrays) of trivially copyable numbers, for which all zero bytes
// are the value 0; indexing reaches through to it: table[m][k][w].
template <class Table>
class ZeroedTable {
    static_assert(std::is_trivially_copyable_v<Table>);

public:
    ZeroedTable() : table_(static_cast<Table*>(MapZeroedPages(sizeof(Table)))) {}
    ZeroedTable(const ZeroedTable&) = delete;
    ZeroedTable& operator=(const ZeroedTable&) = delete;
    ~ZeroedTable() { UnmapZeroedPages(table_, sizeof(Table)); }

    decltype(auto) operator[](size_t i) { return (*table_)[i]; }
    decltype(auto) operator[](size_t i) const { return std::as_const(*table_)[i]; }

private:
    Table* table_;
};

}  // namespace kalvesta
