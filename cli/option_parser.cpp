#include "cli/option_parser.h"

#include <algorithm>
#include <cctype>
#include <ostream>
#include <utility>

namespace mokuza::cli {
namespace {

// An option of the usage text lacks its value (it came last); any other is unknown.
std::string optionProblem(const Command& command, const std::string& arg) {
  if (arg.size() < 2) return "unknown option '" + arg + "'";
  const std::string_view usage = command.usage;
  const auto isNameChar = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-'; };
  for (std::size_t at = usage.find(arg); at != std::string_view::npos; at = usage.find(arg, at + 1)) {
    const std::size_t end = at + arg.size();
    if ((at == 0 || !isNameChar(usage[at - 1])) && (end == usage.size() || !isNameChar(usage[end])))
      return arg + " needs a value";
  }
  return "unknown option '" + arg + "'";
}

}  // namespace

void ParsedArgs::fail(std::string message) {
  if (error.empty()) error = std::move(message);
}

bool ParsedArgs::has(std::string_view name) const {
  return std::any_of(options.begin(), options.end(), [name](const auto& option) { return option.first == name; });
}

std::optional<std::string> ParsedArgs::value(std::string_view name) const {
  for (auto it = options.rbegin(); it != options.rend(); ++it)
    if (it->first == name) return it->second;
  return std::nullopt;
}

std::optional<int> ParsedArgs::number(std::string_view name, std::string message, int low, int high) {
  const std::optional<std::string> text = value(name);
  if (!text) return std::nullopt;
  const std::optional<int> number = parseInt(*text);
  if (number && *number >= low && *number <= high) return number;
  fail(std::move(message));
  return std::nullopt;
}

std::string ParsedArgs::oneFile(std::string_view missing) {
  if (positional.size() == 1) return positional.front();
  fail(positional.empty() ? std::string(missing) : "more than one file given");
  return {};
}

ParsedArgs parseArgs(const Command& command, const Args& args, const std::vector<OptionInfo>& options) {
  ParsedArgs parsed;
  for (std::size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
    const std::string& arg = args[i];
    const auto info = std::find_if(options.begin(), options.end(), [&](const OptionInfo& o) { return o.name == arg; });
    if (info != options.end() && (!info->takesValue || i + 1 < args.size()))
      parsed.options.emplace_back(arg, info->takesValue ? args[++i] : std::string());
    else if (!arg.empty() && arg[0] == '-') parsed.error = optionProblem(command, arg);
    else parsed.positional.push_back(arg);
  }
  return parsed;
}

bool wantsHelp(const Args& args) {
  for (const std::string& arg : args)
    if (arg == "--help" || arg == "-h") return true;
  return false;
}

int usageError(const Command& command, const std::string& message, Streams streams) {
  streams.err << "mokuza-cli " << command.name << ": " << message << "\nusage: " << command.usage << "\n";
  return kExitUsage;
}

}  // namespace mokuza::cli
