#pragma once
// The two option maps: the program's own (`GlobalOptions`) and the
// document's (`DocumentOptions`, copied by undo). Each option is a named
// constant with its file key, default and range; the two maps are distinct
// types, so an option of one cannot be read from or stored in the other.

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <string_view>

#include "core/record/game_record.h"

namespace mokuza {

enum class GlobalOption : std::uint8_t {
  MainWindowLeft,
  MainWindowTop,
  MainWindowRight,
  MainWindowBottom,
  MonitorWidth,
  MonitorHeight,
  EventWindowLeft,
  EventWindowTop,
  EventWindowRight,
  EventWindowBottom,
  PlaylistWindowLeft,
  PlaylistWindowTop,
  PlaylistWindowRight,
  PlaylistWindowBottom,
  BwFixed,
  NextWithin,
  StopBase,
  ImageOutput,
  HistoryOutput,
  MoveInfo,
  FileFull,
  StartupDesign,
  DesignPosition,
  FirstConfirmation,
  ResultDisplay,
  UpdateTime,
  PlaylistNumberFixed,
  EventNumberFixed,
  VariationMarks,
};

// Negative switches are off and keep the magnitude of the last choice.
enum class DocumentOption : std::uint8_t {
  ReplayMode,
  AutoNextGame,
  TextSize,
  LoadRotation,
  LayoutNo,
  RenameTagMax,
  MusicMode,
  BoardSize,
};

// The constants of a table index it: each row must stand at its constant's place.
template <typename Table, typename Constant>
constexpr bool inConstantOrder(const Table& table, Constant Table::value_type::*constant) {
  for (std::size_t i = 0; i < table.size(); ++i)
    if (static_cast<std::size_t>(table[i].*constant) != i) return false;
  return true;
}

template <typename Option>
struct OptionInfo {
  Option option;
  std::string_view key;
  std::int32_t initial;  // the default
  // A value outside low..high (one that indexes no menu item, divides by
  // zero or sizes no board) reads as the default.
  std::int32_t low = std::numeric_limits<std::int32_t>::min();
  std::int32_t high = std::numeric_limits<std::int32_t>::max();
};

inline constexpr std::array<OptionInfo<GlobalOption>, 29> kGlobalOptions{{
    {GlobalOption::MainWindowLeft, "main_window_left", 0},
    {GlobalOption::MainWindowTop, "main_window_top", 0},
    {GlobalOption::MainWindowRight, "main_window_right", 0},
    {GlobalOption::MainWindowBottom, "main_window_bottom", 0},
    {GlobalOption::MonitorWidth, "monitor_width", 1920},
    {GlobalOption::MonitorHeight, "monitor_height", 1080},
    {GlobalOption::EventWindowLeft, "ev_window_left", 0},
    {GlobalOption::EventWindowTop, "ev_window_top", 0},
    {GlobalOption::EventWindowRight, "ev_window_right", 0},
    {GlobalOption::EventWindowBottom, "ev_window_bottom", 0},
    {GlobalOption::PlaylistWindowLeft, "pl_window_left", 0},
    {GlobalOption::PlaylistWindowTop, "pl_window_top", 0},
    {GlobalOption::PlaylistWindowRight, "pl_window_right", 0},
    {GlobalOption::PlaylistWindowBottom, "pl_window_bottom", 0},
    {GlobalOption::BwFixed, "bw_fixed", 0},
    {GlobalOption::NextWithin, "next_within", 0},
    {GlobalOption::StopBase, "stop_base", 25},
    {GlobalOption::ImageOutput, "imgoutput", 33800, 33794, 33800},
    {GlobalOption::HistoryOutput, "histoutput", 1},
    {GlobalOption::MoveInfo, "moveinfo", 0},
    {GlobalOption::FileFull, "filefull", 0},
    {GlobalOption::StartupDesign, "startup_design", 1, 1, 4},
    {GlobalOption::DesignPosition, "design_position", 0},
    {GlobalOption::FirstConfirmation, "first_confirmation", 0},
    {GlobalOption::ResultDisplay, "result_display", 0},
    {GlobalOption::UpdateTime, "update_time", 10, 1, 60000},
    {GlobalOption::PlaylistNumberFixed, "pl_number_fixed", 0},
    {GlobalOption::EventNumberFixed, "ev_number_fixed", 0},
    {GlobalOption::VariationMarks, "variation_marks", 1},
}};

inline constexpr std::array<OptionInfo<DocumentOption>, 8> kDocumentOptions{{
    {DocumentOption::ReplayMode, "kifunarabe", -1},
    {DocumentOption::AutoNextGame, "auto_kifu", -1},
    {DocumentOption::TextSize, "textsize", 2, 1, 4},
    {DocumentOption::LoadRotation, "gobanroll", -8},
    {DocumentOption::LayoutNo, "layoutno", 1},
    {DocumentOption::RenameTagMax, "rename_tag_max", 10, -1, 1000},
    {DocumentOption::MusicMode, "kigaku_mode", -1},
    {DocumentOption::BoardSize, "boardsize", kDefaultBoardSize, kMinBoardSize, kMaxBoardSize},
}};

constexpr const OptionInfo<GlobalOption>& optionInfo(GlobalOption option) {
  return kGlobalOptions[static_cast<std::size_t>(option)];
}
constexpr const OptionInfo<DocumentOption>& optionInfo(DocumentOption option) {
  return kDocumentOptions[static_cast<std::size_t>(option)];
}

// Values by file key, in key order (the order the settings file lists them);
// only known keys are stored, through the typed index.
template <typename Option>
struct OptionValues {
  std::map<std::string, std::int32_t, std::less<>> values;

  std::int32_t& operator[](Option option) {
    const std::string_view key = optionInfo(option).key;
    auto it = values.find(key);
    if (it == values.end()) it = values.emplace(std::string(key), optionInfo(option).initial).first;
    return it->second;
  }
  bool operator==(const OptionValues&) const = default;
};

using GlobalOptions = OptionValues<GlobalOption>;
using DocumentOptions = OptionValues<DocumentOption>;

// A value out of the option's range becomes its default.
template <typename Option>
constexpr std::int32_t checkedOption(Option which, std::int32_t value) {
  const auto& info = optionInfo(which);
  return value < info.low || value > info.high ? info.initial : value;
}

// The value of an option; a missing one or one out of its range is the default.
template <typename Option>
std::int32_t option(const OptionValues<Option>& options, Option which) {
  auto it = options.values.find(optionInfo(which).key);
  return it == options.values.end() ? optionInfo(which).initial : checkedOption(which, it->second);
}

// A switch is on at 1 or more.
template <typename Option>
bool switchOn(const OptionValues<Option>& options, Option which) {
  return option(options, which) >= 1;
}

// Every option at its default.
GlobalOptions defaultGlobalOptions();
DocumentOptions defaultDocumentOptions();

// The two modes every layer asks about.
inline bool replayModeOn(const DocumentOptions& options) { return switchOn(options, DocumentOption::ReplayMode); }
inline bool musicModeOn(const DocumentOptions& options) { return switchOn(options, DocumentOption::MusicMode); }

}  // namespace mokuza
