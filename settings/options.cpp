#include "settings/options.h"

#include <array>
#include <unordered_map>

namespace mokuza {
namespace {

struct OptionRange {
  std::string_view key;
  std::int32_t min;
  std::int32_t max;
};

// Options whose values index menu items, divide, or size the board.
constexpr std::array<OptionRange, 6> kOptionRanges{{
    {"textsize", 1, 4},
    {"startup_design", 1, 4},
    {"imgoutput", 33794, 33800},
    {"update_time", 1, 60000},
    {"boardsize", kMinBoardSize, kMaxBoardSize},
    {"rename_tag_max", -1, 1000},
}};

OptionMap complete(const OptionMap& defaults, const OptionMap& options) {
  OptionMap result = defaults;
  for (auto& [key, value] : result) value = optionValue(options, key, value);
  return result;
}

}  // namespace

GlobalOptions defaultGlobalOptions() {
  return {
      {"main_window_left", 0}, {"main_window_top", 0},   {"main_window_right", 0}, {"main_window_bottom", 0},
      {"monitor_width", 1920}, {"monitor_height", 1080}, {"ev_window_left", 0},    {"ev_window_top", 0},
      {"ev_window_right", 0},  {"ev_window_bottom", 0},  {"pl_window_left", 0},    {"pl_window_top", 0},
      {"pl_window_right", 0},  {"pl_window_bottom", 0},  {"bw_fixed", 0},          {"next_within", 0},
      {"stop_base", 25},       {"imgoutput", 33800},     {"histoutput", 1},        {"moveinfo", 0},
      {"filefull", 0},         {"startup_design", 1},    {"design_position", 0},   {"first_confirmation", 0},
      {"result_display", 0},   {"update_time", 10},      {"pl_number_fixed", 0},   {"ev_number_fixed", 0},
  };
}

// Asked for every tag of a settings file: the table is built once.
OptionScope optionScope(std::string_view key) {
  static const GlobalOptions global = defaultGlobalOptions();
  static const DocumentOptions document = defaultDocumentOptions();
  static const std::unordered_map<std::string_view, OptionScope> scopes = [] {
    std::unordered_map<std::string_view, OptionScope> table;
    for (const auto& [name, value] : global) table.emplace(name, OptionScope::Global);
    for (const auto& [name, value] : document) table.emplace(name, OptionScope::Document);
    return table;
  }();
  auto it = scopes.find(key);
  return it == scopes.end() ? OptionScope::None : it->second;
}

namespace {

bool isGlobalOptionKey(std::string_view key) { return optionScope(key) == OptionScope::Global; }

}  // namespace

GlobalOptions completeGlobalOptions(const GlobalOptions& options) { return complete(defaultGlobalOptions(), options); }

DocumentOptions completeDocumentOptions(const DocumentOptions& options) {
  return complete(defaultDocumentOptions(), options);
}

std::int32_t sanitisedOption(std::string_view key, std::int32_t value) {
  for (const OptionRange& range : kOptionRanges) {
    if (range.key != key) continue;
    if (value >= range.min && value <= range.max) return value;
    const OptionMap defaults = isGlobalOptionKey(key) ? defaultGlobalOptions() : defaultDocumentOptions();
    return optionValue(defaults, key, value);
  }
  return value;
}

void setGlobalDefaults(Document& doc) { doc.globalOptions = defaultGlobalOptions(); }

}  // namespace mokuza
