#pragma once
// Constant tables looked up by a text column: the index is built once per
// table and only read after, so a settings file of many tags costs one hash
// per tag rather than a scan of every table.

#include <array>
#include <cstddef>
#include <unordered_map>

namespace mokuza {

template <typename Row, std::size_t N, typename Key>
std::unordered_map<Key, const Row*> indexBy(const std::array<Row, N>& table, Key Row::*column) {
  std::unordered_map<Key, const Row*> index;
  for (const Row& row : table)
    if (!(row.*column).empty()) index.emplace(row.*column, &row);
  return index;
}

template <typename Row, typename Key>
const Row* findIn(const std::unordered_map<Key, const Row*>& index, Key key) {
  auto it = index.find(key);
  return it == index.end() ? nullptr : it->second;
}

}  // namespace mokuza
