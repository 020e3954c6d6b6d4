#pragma once
// The figure table: the Go terms in naming priority (a higher number wins),
// their stone descriptions and music values, and the name -> number map.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mokuza::naming {

// Instrument, length, loudness, pitch, tempo, tick, pan, fade-in, fade-out.
using FigureMusic = std::array<std::int32_t, 9>;
inline constexpr FigureMusic kDefaultFigureMusic{50, 120, 0, 0, -1, -1, 64, 100, 100};

struct FigureRow {
  std::u16string name;                 // "型名"
  std::vector<std::u16string> stones;  // "構成石1", "構成石2", "構成石3", then descriptions no column shows
  FigureMusic music = kDefaultFigureMusic;

  bool operator==(const FigureRow&) const = default;
};

// A label shown in the list window and the key it is stored under.
struct FigureColumn {
  std::u16string_view label;
  std::string_view key;
};

inline constexpr std::array<FigureColumn, 5> kFigureColumns{{
    {u"型No.", "number"},
    {u"型名", "name"},
    {u"構成石1", "in_stone1"},
    {u"構成石2", "in_stone2"},
    {u"構成石3", "in_stone3"},
}};

// The parts of a stone description; no row fills them.
inline constexpr std::array<FigureColumn, 5> kStoneDescriptionColumns{{
    {u"関係", "friend_enemy"},
    {u"距離Ａ", "distA"},
    {u"距離Ｂ", "distB"},
    {u"高さＡ", "HeightA"},
    {u"高さＢ", "HeightB"},
}};

// The music values, in FigureMusic order.
inline constexpr std::array<FigureColumn, 9> kFigureMusicColumns{{
    {u"音色", "proglam_change"},
    {u"音長", "gate"},
    {u"音量", "velocity_move"},
    {u"音高", "pitch"},
    {u"テンポ", "tempo"},
    {u"tick", "tick"},
    {u"左右", "panpot"},
    {u"fdin", "fdin"},
    {u"fdout", "fdout"},
}};

// Figure numbers are 16-bit in the per-move tables.
constexpr std::size_t kMaxFigureRows = 32767;
constexpr int kNoFigure = -1;

// Keeps the name map in step with the rows.
class FigureTable {
 public:
  FigureTable();  // the built-in table
  explicit FigureTable(std::vector<FigureRow> rows);

  const std::vector<FigureRow>& rows() const { return rows_; }
  int count() const { return static_cast<int>(rows_.size()); }
  // The number of the row of that name, kNoFigure when none has it. When
  // names repeat, the last row of the name is the one found.
  int find(std::u16string_view name) const;
  // Empty for a number that names no row.
  std::u16string_view name(int figure) const;

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view s) const { return std::hash<std::u16string_view>()(s); }
  };
  std::vector<FigureRow> rows_;
  std::unordered_map<std::u16string, int, Hash, std::equal_to<>> numbers_;
};

// The 98 rows the program starts with.
std::vector<FigureRow> builtInFigureRows();

}  // namespace mokuza::naming
