#pragma once
// 16-bit arithmetic and fixed-bound arrays that stop the game cleanly instead
// of wrapping around or reading past the end.
#include <array>
#include <cstddef>
#include <string>

#include "core/Fatal.h"
#include "core/Types.h"

namespace orv {

// a + b as a 16-bit Integer; leaving -32768..32767 is a fatal overflow.
inline Integer CheckedAdd(Integer a, int b) {
    const int sum = static_cast<int>(a) + b;
    if (sum < -32768 || sum > 32767) FatalError("Overflow");
    return static_cast<Integer>(sum);
}

// Increments or decrements a 16-bit counter in place.
inline void Inc(Integer& v, int by = 1) { v = CheckedAdd(v, by); }
inline void Dec(Integer& v, int by = 1) { v = CheckedAdd(v, -by); }

// An array with the inclusive bounds Lo..Hi; any other index is fatal.
template <typename T, int Lo, int Hi>
class BoundedArray {
public:
    static constexpr int kLower = Lo;
    static constexpr int kUpper = Hi;
    static constexpr std::size_t kSize = static_cast<std::size_t>(Hi - Lo + 1);

    T& operator()(int i) { return items_[slot(i)]; }
    const T& operator()(int i) const { return items_[slot(i)]; }
    T& operator[](int i) { return items_[slot(i)]; }
    const T& operator[](int i) const { return items_[slot(i)]; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    static std::size_t slot(int i) {
        if (i < Lo || i > Hi) FatalError("Subscript out of range");
        return static_cast<std::size_t>(i - Lo);
    }
    std::array<T, kSize> items_{};
};

// A battle field: 19 columns by 9 rows of cell texts, addressed (column, row).
// Element (c, r) sits at c + r * 19 of the storage.
class Board {
public:
    static constexpr int kCols = 19;
    static constexpr int kRows = 9;

    std::string& operator()(int col, int row) { return cells_[slot(col, row)]; }
    const std::string& operator()(int col, int row) const { return cells_[slot(col, row)]; }

    void Clear() {
        for (auto& c : cells_) c.clear();
    }

private:
    static std::size_t slot(int col, int row) {
        if (col < 0 || col >= kCols || row < 0 || row >= kRows) FatalError("Subscript out of range");
        return static_cast<std::size_t>(col + row * kCols);
    }
    std::array<std::string, kCols * kRows> cells_{};
};

}  // namespace orv
