#pragma once
// The label ⇄ key tables of a playlist entry and its design. Labels are what
// the user sees; keys are what files and list columns use.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/document/design_fields.h"

namespace mokuza {

struct LabelKey {
  std::u16string_view label;
  std::string_view key;
};

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

}  // namespace mokuza
