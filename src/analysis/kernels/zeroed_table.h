// A large fixed-size table that starts as all zeros without touching its memory:
// the storage comes zeroed from the system (calloc), so a page becomes resident
// only when something is written to it. Making the analysis data at start-up
// then costs no time for the megabytes of lattice that a small aircraft never
// uses. Clearing likewise touches only the part a calculation wrote.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

namespace kalvesta {

// Table is a std::array (of std::arrays) of trivially copyable numbers, for which all zero bytes
// are the value 0; indexing reaches through to it: table[m][k][w].
template <class Table>
class ZeroedTable {
    static_assert(std::is_trivially_copyable_v<Table>);

public:
    ZeroedTable() : table_(Allocate()) {}
    ZeroedTable(const ZeroedTable& other) : table_(Allocate()) { *table_ = *other.table_; }
    ZeroedTable& operator=(const ZeroedTable& other) {
        *table_ = *other.table_;
        return *this;
    }
    ~ZeroedTable() { std::free(table_); }

    decltype(auto) operator[](size_t i) { return (*table_)[i]; }
    decltype(auto) operator[](size_t i) const { return std::as_const(*table_)[i]; }

    // Elements [0, outer) × [0, inner) of the first two indices back to 0, all of
    // the further indices with them: the part that was written, so that the
    // pages nobody wrote stay untouched.
    void ClearLeading(size_t outer, size_t inner) {
        using Row = std::remove_reference_t<decltype((*table_)[0])>;
        using Element = std::remove_reference_t<decltype((*table_)[0][0])>;
        static_assert(std::tuple_size_v<Table> > 0 && std::tuple_size_v<Row> > 0);
        outer = std::min(outer, std::tuple_size_v<Table>);
        inner = std::min(inner, std::tuple_size_v<Row>);
        for (size_t i = 0; i < outer; ++i) {
            std::memset(&(*table_)[i][0], 0, inner * sizeof(Element));
        }
    }

private:
    static Table* Allocate() {
        void* const storage = std::calloc(1, sizeof(Table));
        if (storage == nullptr) {
            throw std::bad_alloc();
        }
        return static_cast<Table*>(storage);
    }

    Table* table_;
};

}  // namespace kalvesta
