#pragma once
// The fields of a design: a named constant for each, and one table with its
// label (the map key the user sees), its file key, its initial value and the
// range a value is held to. Everything that reads, writes or lists a design
// field goes through this table, so a mistyped field does not compile.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>

#include "core/document/playlist_entry.h"

namespace mokuza {

// Integer fields of the design map, in table order.
enum class DesignField : std::uint8_t {
  AbsoluteSize,
  MarginX,
  MarginY,
  BackX,
  BackY,
  BlackTransparency,
  WhiteTransparency,
  GobanTransparency,
  LineTransparency,
  StarTransparency,
  PairMode,
  PairColour,
  PairLastColour,
  PairChange,
  AutoSpeed,
  AutoStart,
  AutoLast,
  LoopTime,
  MoveFadeTime,
  HamaFadeTime,
  LightOffTime,
  RcFraction,
  LastMove,
  StoneSize,
  GobanSize,
  StarSize,
  BlackColour,
  WhiteColour,
  LastFrame,
  LastSquare,
  LastBright,
  GobanCoordinate,
  LinePattern,
  NumberColour,
  BackgroundExistence,
  NumberDisplay,
  InterruptOperation,
  StatusShow,
  MenuShow,
  StoneSound,
  LastTextPlain,
};

// What a field is to the files and to design copies.
enum class DesignGroup : std::uint8_t {
  Design,    // carried over by design copies
  LastMove,  // the figure-replay end: stored, but starts at 999 for every game
  Display,   // display options kept in the same map
  Optional,  // display options stored only once set
  Unlisted,  // read by label only; no file or list column names it
};

inline constexpr std::int32_t kNoLow = std::numeric_limits<std::int32_t>::min();
inline constexpr std::int32_t kNoHigh = std::numeric_limits<std::int32_t>::max();

struct DesignFieldInfo {
  DesignField field;
  std::u16string_view label;
  std::string_view key;
  std::int32_t initial;
  DesignGroup group;
  std::int32_t low = kNoLow;  // values outside low..high are held to it
  std::int32_t high = kNoHigh;
};

inline constexpr std::int32_t kLastMoveWhole = 999;  // figure replay shows the whole game

inline constexpr std::array<DesignFieldInfo, 41> kDesignFields{{
    {DesignField::AbsoluteSize, u"碁盤サイズ指定", "absolutesize", 0, DesignGroup::Design},
    {DesignField::MarginX, u"碁盤Ｘ", "margin_x", -200, DesignGroup::Design},
    {DesignField::MarginY, u"碁盤Ｙ", "margin_y", 55, DesignGroup::Design},
    {DesignField::BackX, u"背景Ｘ", "backx", 0, DesignGroup::Design},
    {DesignField::BackY, u"背景Ｙ", "backy", 0, DesignGroup::Design},
    // Opacities outside 0..255 would wrap in the colour matrices.
    {DesignField::BlackTransparency, u"黒石透明度", "black_transparency", 255, DesignGroup::Design, 0, 255},
    {DesignField::WhiteTransparency, u"白石透明度", "white_transparency", 255, DesignGroup::Design, 0, 255},
    {DesignField::GobanTransparency, u"碁盤透明度", "goban_transparency", 255, DesignGroup::Design, 0, 255},
    {DesignField::LineTransparency, u"マス目透明度", "line_transparency", 255, DesignGroup::Design, 0, 255},
    {DesignField::StarTransparency, u"星透明度", "star_transparency", 255, DesignGroup::Design, 0, 255},
    {DesignField::PairMode, u"ペア碁モード", "pair_mode", 0, DesignGroup::Design},
    {DesignField::PairColour, u"ペア碁着手", "pair_color", 1010, DesignGroup::Design},
    {DesignField::PairLastColour, u"ペア碁最終着手", "pair_lastcolor", 1010, DesignGroup::Design},
    {DesignField::PairChange, u"ペア碁交代手数", "pair_change", 1, DesignGroup::Design},
    {DesignField::AutoSpeed, u"１手ごとの表示時間", "auto_speed", 1400, DesignGroup::Design},
    {DesignField::AutoStart, u"自動再生始点", "auto_start", 0, DesignGroup::Design},
    {DesignField::AutoLast, u"自動再生終点", "auto_last", -100, DesignGroup::Design},
    {DesignField::LoopTime, u"ループ再生", "looptime", 2000, DesignGroup::Design},
    {DesignField::MoveFadeTime, u"着手フェード", "movefade_time", 1000, DesignGroup::Design},
    {DesignField::HamaFadeTime, u"抜きフェード", "hamafade_time", 1000, DesignGroup::Design},
    {DesignField::LightOffTime, u"変化フェード", "lightoff_time", 200, DesignGroup::Design},
    {DesignField::RcFraction, u"最終譜最少手数", "rc_fraction", 10, DesignGroup::Design},
    {DesignField::LastMove, u"棋譜並べ最終手", "last_move", kLastMoveWhole, DesignGroup::LastMove},
    {DesignField::StoneSize, u"碁石の大きさ", "stonesize", 4, DesignGroup::Display},
    {DesignField::GobanSize, u"碁盤の大きさ", "gobansize", 4, DesignGroup::Display},
    {DesignField::StarSize, u"星の大きさ", "starsize", 3, DesignGroup::Display},
    {DesignField::BlackColour, u"黒石の色", "black_color", 0, DesignGroup::Display},
    {DesignField::WhiteColour, u"白石の色", "white_color", 0, DesignGroup::Display},
    {DesignField::LastFrame, u"最終手-○枠", "last_frame", 2, DesignGroup::Display},
    {DesignField::LastSquare, u"最終手-■印", "last_square", 3, DesignGroup::Display},
    {DesignField::LastBright, u"最終手-明るく表示", "last_bright", 1, DesignGroup::Display},
    {DesignField::GobanCoordinate, u"碁盤座標", "goban_coordinate", 0, DesignGroup::Display},
    {DesignField::LinePattern, u"マス目の色", "line_pattern", 0, DesignGroup::Display},
    {DesignField::NumberColour, u"マーク・手数の色", "number_color", 1, DesignGroup::Display},
    {DesignField::BackgroundExistence, u"背景画像表示", "background_existence", 1, DesignGroup::Display},
    {DesignField::NumberDisplay, u"手数表示", "number_display", 0, DesignGroup::Optional},
    {DesignField::InterruptOperation, u"途中局面での着手", "Interrupt_operation", 0, DesignGroup::Optional},
    // Shown unless a design hides them: a window without its menus cannot be worked.
    {DesignField::StatusShow, u"ステータスバー", "status_show", 1, DesignGroup::Optional},
    {DesignField::MenuShow, u"メニューバー", "menu_show", 1, DesignGroup::Optional},
    // Kept with the design, beside the sound files it plays; on unless a design turns it off.
    {DesignField::StoneSound, u"石音", "stonese", 1, DesignGroup::Display, 0, 1},
    {DesignField::LastTextPlain, u"lascolorw", "lascolorw", 0, DesignGroup::Unlisted},
}};

constexpr const DesignFieldInfo& fieldInfo(DesignField field) { return kDesignFields[static_cast<std::size_t>(field)]; }

// File fields: the game file and the design's images and sounds.
enum class FileField : std::uint8_t {
  SgfFile,
  BlackStone,
  WhiteStone,
  Background,
  Goban,
  Star,
  BlackSound,
  WhiteSound,
};

struct FileFieldInfo {
  FileField field;
  std::u16string_view label;
  std::string_view key;
  std::u16string_view initial;  // relative to the program folder; empty for the game file
};

inline constexpr std::array<FileFieldInfo, 8> kFileFields{{
    {FileField::SgfFile, kSgfFileLabel, "sgf_file", u""},
    {FileField::BlackStone, u"黒石画像", "blackstone_file", u"gra\\stone\\blackmarble01.jpg"},
    {FileField::WhiteStone, u"白石画像", "whitestone_file", u"gra\\stone\\whitemarble01.jpg"},
    {FileField::Background, u"背景画像", "background_file", u"gra\\back\\mtfuji_1603.jpg"},
    {FileField::Goban, u"碁盤画像", "goban_file", u"gra\\goban\\goban.jpg"},
    {FileField::Star, u"星画像", "star_file", u"gra\\stone\\lapislazuli01.jpg"},
    {FileField::BlackSound, u"黒石音", "blacksound_file", u"black_sound.wav"},
    {FileField::WhiteSound, u"白石音", "whitesound_file", u"white_sound.wav"},
}};

constexpr const FileFieldInfo& fieldInfo(FileField field) { return kFileFields[static_cast<std::size_t>(field)]; }

// A value of the design held to its range; a design without it has the
// field's initial value.
std::int32_t designValue(const Design& design, DesignField field);
void setDesignValue(Design& design, DesignField field, std::int32_t value);
std::int32_t clampedDesignValue(DesignField field, std::int32_t value);

// The field a label names, or nothing for any other (unlisted fields are
// named by no file or list column).
const DesignFieldInfo* designFieldForLabel(std::u16string_view label);

void SetFilePath(PlaylistEntry& entry, FileField field, std::u16string_view path);
std::u16string FilePath(const PlaylistEntry& entry, FileField field);

// A design file as a path, the initial one when the design holds none: "\"
// and "/" both separate, and a relative path is taken from the program folder.
std::filesystem::path designFilePath(const Design& design, FileField field, const std::filesystem::path& programFolder);

// The initial design: every listed integer field but the optional ones at its
// initial value, and the design files at their initial paths (relative to
// the program folder).
Design makeInitialDesign();

}  // namespace mokuza
