#pragma once
// The label ⇄ key tables of a playlist entry and its design, with the values
// of the initial design. Labels are what the user sees; keys are what files
// and list columns use.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/document/playlist_entry.h"

namespace mokuza {

struct IntField {
  std::u16string_view label;
  std::string_view key;
  std::int32_t initial;
};

struct FileField {
  std::u16string_view label;
  std::string_view key;
  std::u16string_view initial;  // relative to the program folder; empty for the game file
};

struct LabelKey {
  std::u16string_view label;
  std::string_view key;
};

// Integer design fields, in table order.
inline constexpr std::array<IntField, 22> kDesignIntFields{{
    {u"碁盤サイズ指定", "absolutesize", 0},
    {u"碁盤Ｘ", "margin_x", -200},
    {u"碁盤Ｙ", "margin_y", 55},
    {u"背景Ｘ", "backx", 0},
    {u"背景Ｙ", "backy", 0},
    {u"黒石透明度", "black_transparency", 255},
    {u"白石透明度", "white_transparency", 255},
    {u"碁盤透明度", "goban_transparency", 255},
    {u"マス目透明度", "line_transparency", 255},
    {u"星透明度", "star_transparency", 255},
    {u"ペア碁モード", "pair_mode", 0},
    {u"ペア碁着手", "pair_color", 1010},
    {u"ペア碁最終着手", "pair_lastcolor", 1010},
    {u"ペア碁交代手数", "pair_change", 1},
    {u"１手ごとの表示時間", "auto_speed", 1400},
    {u"自動再生始点", "auto_start", 0},
    {u"自動再生終点", "auto_last", -100},
    {u"ループ再生", "looptime", 2000},
    {u"着手フェード", "movefade_time", 1000},
    {u"抜きフェード", "hamafade_time", 1000},
    {u"変化フェード", "lightoff_time", 200},
    {u"最終譜最少手数", "rc_fraction", 10},
}};

// The figure-replay end is a design field too, but is not carried over by
// design copies; it starts at 999 for every game.
inline constexpr IntField kLastMoveField{u"棋譜並べ最終手", "last_move", 999};

// Display options kept in the same map, with their initial values.
inline constexpr std::array<IntField, 12> kDisplayIntFields{{
    {u"碁石の大きさ", "stonesize", 4},
    {u"碁盤の大きさ", "gobansize", 4},
    {u"星の大きさ", "starsize", 3},
    {u"黒石の色", "black_color", 0},
    {u"白石の色", "white_color", 0},
    {u"最終手-○枠", "last_frame", 2},
    {u"最終手-■印", "last_square", 3},
    {u"最終手-明るく表示", "last_bright", 1},
    {u"碁盤座標", "goban_coordinate", 0},
    {u"マス目の色", "line_pattern", 0},
    {u"マーク・手数の色", "number_color", 1},
    {u"背景画像表示", "background_existence", 1},
}};

// Option labels of the same map that are stored only once set.
inline constexpr std::array<LabelKey, 4> kOptionalIntFields{{
    {u"手数表示", "number_display"},
    {u"途中局面での着手", "Interrupt_operation"},
    {u"ステータスバー", "status_show"},
    {u"メニューバー", "menu_show"},
}};

// File fields: the game file and the design's images and sounds.
inline constexpr std::array<FileField, 8> kFileFields{{
    {u"SGFファイル", "sgf_file", u""},
    {u"黒石画像", "blackstone_file", u"gra\\stone\\blackmarble01.jpg"},
    {u"白石画像", "whitestone_file", u"gra\\stone\\whitemarble01.jpg"},
    {u"背景画像", "background_file", u"gra\\back\\mtfuji_1603.jpg"},
    {u"碁盤画像", "goban_file", u"gra\\goban\\goban.jpg"},
    {u"星画像", "star_file", u"gra\\stone\\lapislazuli01.jpg"},
    {u"黒石音", "blacksound_file", u"black_sound.wav"},
    {u"白石音", "whitesound_file", u"white_sound.wav"},
}};

// The list columns that precede the design, display and game-information rows.
inline constexpr std::array<LabelKey, 6> kLeadingColumns{{
    {u"No.", "No."},
    {u"検索結果", "search"},
    {u"SGFファイル", "sgf_file"},
    {u"総手数", "totalmove"},
    {u"登録日", "Regist_date"},
    {u"アクセス日", "Access_date"},
}};

// Label to key and key to label over every table above and the
// game-information table of the record; empty when unknown.
std::string_view keyForLabel(std::u16string_view label);
std::u16string_view labelForKey(std::string_view key);

// What a key of a playlist file stands for.
enum class FieldKind {
  Integer,   // an integer design field or display option
  Text,      // game information, total moves, the two dates
  FileName,  // the file-name part of a file field ("sgf_file")
  Folder,    // the folder part of a file field ("sgf_folder")
  Column,    // a list column that is no stored field ("No.", "search")
};

struct KeyedField {
  FieldKind kind;
  std::u16string_view label;
};

// The field a key of a playlist file names, with the alternative keys
// ("move", "cdate", "ldate", "lstmv", and "path" for "file"); empty when unknown.
std::optional<KeyedField> fieldForKey(std::string_view key);

// The kind of a label as the writer stores it.
std::optional<FieldKind> kindOfLabel(std::u16string_view label);

// The folder key of a file field: "file" in its key becomes "folder".
std::string folderKeyOf(std::string_view fileKey);

// The initial design: every integer design field and display option at its
// initial value, and the design files at their initial paths (relative to
// the program folder).
Design makeInitialDesign();

}  // namespace mokuza
