// Arrays indexed from 1, as the quantities are numbered in the report
// ("HESAP HIZI NO" 1..NSPEED, appendage kinds 1..11). Element 0 is unused.
#pragma once

#include <array>
#include <cassert>

namespace vdk {

template <class T, int N>
struct Arr1 {
  std::array<T, N + 1> a{};

  T& operator()(int i) {
    assert(i >= 1 && i <= N);
    return a[static_cast<std::size_t>(i)];
  }
  const T& operator()(int i) const {
    assert(i >= 1 && i <= N);
    return a[static_cast<std::size_t>(i)];
  }
  // Pointer to element 1, for routines that take a plain list of values.
  T* data1() { return a.data() + 1; }
  const T* data1() const { return a.data() + 1; }
  static constexpr int capacity() { return N; }
};

}  // namespace vdk
