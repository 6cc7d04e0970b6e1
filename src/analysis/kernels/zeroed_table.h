// A large fixed-size table that starts as all zeros without touching its memory:
// the storage comes zeroed from the system (calloc), so a page becomes resident
// only when something is written to it. Making the analysis data at start-up
// then costs no time for the megabytes of lattice that a small aircraft never
// uses.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

namespace kalvesta {

// Table is an array type of trivially copyable numbers, for which all zero bytes
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

    // Every element back to 0.
    void Clear() { std::memset(table_, 0, sizeof(Table)); }

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
