#include "core/naming/figure_list_file.h"

#include <algorithm>
#include <charconv>

#include "core/record/text.h"

namespace mokuza::naming {
namespace {

constexpr std::string_view kNameKey = "name";
constexpr std::string_view kStoneKeyPrefix = "in_stone";
// Descriptions beyond the three columns are kept under in_stone4 and on.
constexpr std::size_t kMaxStoneDescriptions = 9;

void appendTag(std::u16string& text, std::string_view key, std::u16string_view value) {
  text += u"\n<";
  text += asciiToUtf16(key);
  text += u">\n";
  // Values cannot hold '<' or line breaks, and an empty value is one blank.
  std::u16string clean;
  for (char16_t c : value)
    if (c != u'<' && c != u'>' && c != u'\n' && c != u'\r') clean.push_back(c);
  text += clean.empty() ? u" " : clean;
}

std::u16string_view trimmed(std::u16string_view value) {
  while (!value.empty() && value.front() == u' ') value.remove_prefix(1);
  while (!value.empty() && value.back() == u' ') value.remove_suffix(1);
  return value;
}

// Decimal with an optional sign; whatever is not a digit ends the number.
std::int32_t parseNumber(std::u16string_view value) {
  std::string ascii;
  for (char16_t c : trimmed(value)) {
    if ((c == u'-' || c == u'+') && ascii.empty()) ascii.push_back(static_cast<char>(c));
    else if (c >= u'0' && c <= u'9') ascii.push_back(static_cast<char>(c));
    else break;
  }
  if (!ascii.empty() && ascii.front() == '+') ascii.erase(0, 1);
  std::int32_t number = 0;
  std::from_chars(ascii.data(), ascii.data() + ascii.size(), number);
  return number;
}

bool keyIs(std::u16string_view key, std::string_view ascii) {
  if (key.size() != ascii.size()) return false;
  for (std::size_t i = 0; i < key.size(); ++i)
    if (key[i] != static_cast<char16_t>(ascii[i])) return false;
  return true;
}

// 1 .. kMaxStoneDescriptions for in_stoneN, 0 otherwise.
std::size_t stoneKeyIndex(std::u16string_view key) {
  if (key.size() != kStoneKeyPrefix.size() + 1 || !keyIs(key.substr(0, kStoneKeyPrefix.size()), kStoneKeyPrefix))
    return 0;
  const char16_t digit = key.back();
  return digit >= u'1' && digit <= u'9' ? static_cast<std::size_t>(digit - u'0') : 0;
}

void applyField(FigureRow& row, std::u16string_view key, std::u16string_view value) {
  if (const std::size_t index = stoneKeyIndex(key)) {
    if (row.stones.size() < index) row.stones.resize(index);
    row.stones[index - 1] = std::u16string(trimmed(value));
    return;
  }
  for (std::size_t i = 0; i < kFigureMusicColumns.size(); ++i)
    if (keyIs(key, kFigureMusicColumns[i].key)) row.music[i] = parseNumber(value);
}

}  // namespace

std::filesystem::path figureListPath(const std::filesystem::path& programFolder) {
  return programFolder / "figurelists" / "figure.gfg";
}

namespace {

// The file text (line feeds only; writing makes them CR LF).
std::u16string figureListText(const FigureTable& table, const FigureListHeader& header) {
  std::u16string text;
  text += u"<figurelist_name>\n" + header.fileName + u"\n";
  text += u"<before_folder>\n" + header.programFolder + u"\n";
  text += u"<before_folderA>\n" + header.figureListFolder + u"\n";
  text += u"<mokuza_version>\n5.5\n";
  for (const FigureRow& row : table.rows()) {
    appendTag(text, kNameKey, row.name);
    const std::size_t stoneCount = std::max<std::size_t>(3, std::min(row.stones.size(), kMaxStoneDescriptions));
    for (std::size_t i = 0; i < stoneCount; ++i)
      appendTag(text, std::string(kStoneKeyPrefix) + std::to_string(i + 1),
                i < row.stones.size() ? std::u16string_view(row.stones[i]) : std::u16string_view());
    for (std::size_t i = 0; i < kFigureMusicColumns.size(); ++i)
      appendTag(text, kFigureMusicColumns[i].key, asciiToUtf16(std::to_string(row.music[i])));
    text += u"\n";
  }
  return text;
}

// The rows of a figure list text, in file order. A row starts at every
// `name` tag; tags the reader does not know (the list window's column layout
// among them) are skipped. Nothing when the text holds no row.
std::optional<std::vector<FigureRow>> parseFigureList(std::u16string_view text) {
  std::vector<FigureRow> rows;
  std::size_t open = text.find(u'<');
  while (open != std::u16string_view::npos) {
    const std::size_t close = text.find(u'>', open + 1);
    if (close == std::u16string_view::npos) break;
    const std::u16string_view key = text.substr(open + 1, close - open - 1);
    const std::size_t next = text.find(u'<', close + 1);
    const std::u16string_view raw = text.substr(close + 1, next == std::u16string_view::npos ? next : next - close - 1);
    std::u16string value;
    for (char16_t c : raw)
      if (c != u'\n' && c != u'\r') value.push_back(c);
    if (keyIs(key, kNameKey)) {
      if (rows.size() >= kMaxFigureRows) break;
      rows.emplace_back();
      rows.back().name = std::u16string(trimmed(value));
      rows.back().stones.resize(3);
    } else if (!rows.empty()) {
      applyField(rows.back(), key, value);
    }
    open = next;
  }
  if (rows.empty()) return std::nullopt;
  return rows;
}

}  // namespace

FigureTable loadFigureList(const std::filesystem::path& programFolder) {
  const auto bytes = readFileBytes(figureListPath(programFolder));
  if (!bytes || bytes->empty()) return FigureTable();
  auto rows = parseFigureList(decodeBytes(*bytes, TextKind::Plain));
  if (!rows) return FigureTable();
  return FigureTable(std::move(*rows));
}

bool saveFigureList(const FigureTable& table, const std::filesystem::path& programFolder) {
  const std::filesystem::path path = figureListPath(programFolder);
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  FigureListHeader header;
  header.programFolder = pathToText(programFolder);
  header.figureListFolder = pathToText(path.parent_path()) + u"/";
  return writeTextFile(path, figureListText(table, header)).ok();
}

}  // namespace mokuza::naming
