#pragma once
// The two static property tables: game information and per-move properties.

#include <array>
#include <optional>
#include <string_view>

namespace mokuza {

struct PropertyField {
  std::u16string_view label;  // shown to the user, the key of the stored values
  std::string_view key;       // used in playlist files, list columns and dialogs
  std::u16string_view sgfId;  // SGF property identifier
};

inline constexpr std::array<PropertyField, 22> kGameInfoFields{{
    {u"黒対局者", "bname", u"PB"},
    {u"黒棋力", "brate", u"BR"},
    {u"白対局者", "wname", u"PW"},
    {u"白棋力", "wrate", u"WR"},
    {u"置石", "handi", u"HA"},
    {u"コミ", "komi", u"KM"},
    {u"対局日", "gmdate", u"DT"},
    {u"結果", "score", u"RE"},
    {u"持ち時間", "time_limit", u"TM"},
    {u"考慮時間・秒", "think_time", u"KJ"},
    {u"考慮時間・回", "think_count", u"KK"},
    {u"秒読み・秒", "byoyomi_seconds", u"OP"},
    {u"秒読み・手", "byoyomi_move", u"OM"},
    {u"路数", "boardsize", u"SZ"},
    {u"ラウンド", "round", u"RO"},
    {u"著作権", "copyright", u"CP"},
    {u"出典", "source", u"SO"},
    {u"記録者", "recorder", u"US"},
    {u"ゲームコメント", "game_comment", u"GC"},
    {u"ゲーム名", "gname", u"GN"},
    {u"大会名", "evname", u"EV"},
    {u"対局場", "place", u"PC"},
}};

// In the order the writer emits them.
inline constexpr std::array<PropertyField, 6> kMoveInfoFields{{
    {u"着手名", "move_name", u"N"},
    {u"着手コメント", "move_comment", u"C"},
    {u"黒残り時間", "black_timeleft", u"BL"},
    {u"白残り時間", "white_timeleft", u"WL"},
    {u"黒考慮時間", "black_extratime", u"BK"},
    {u"白考慮時間", "white_extratime", u"WK"},
}};

inline constexpr std::u16string_view kBoardSizeLabel = u"路数";
inline constexpr std::u16string_view kTotalMovesLabel = u"総手数";
inline constexpr std::u16string_view kMoveCommentLabel = u"着手コメント";

// An SGF identifier of one or two capital letters as a number below
// kShortIdCount, so that tables can be indexed by it; -1 for any other.
inline constexpr int kShortIdCount = 27 * 27;
constexpr int shortIdKey(std::u16string_view id) {
  const auto isCapital = [](char16_t c) { return c >= u'A' && c <= u'Z'; };
  if (id.empty() || id.size() > 2 || !isCapital(id[0]) || (id.size() == 2 && !isCapital(id[1]))) return -1;
  const int first = id[0] - u'A' + 1;
  return id.size() == 1 ? first : first * 27 + (id[1] - u'A' + 1);
}

// Index into kMoveInfoFields of a label or SGF identifier.
std::optional<std::size_t> moveInfoIndexByLabel(std::u16string_view label);
std::optional<std::size_t> moveInfoIndexById(std::u16string_view sgfId);
// Index into kGameInfoFields of an SGF identifier.
std::optional<std::size_t> gameInfoIndexById(std::u16string_view sgfId);

}  // namespace mokuza
