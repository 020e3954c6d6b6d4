#pragma once
// The one reader of a subcommand's arguments: declared options with or
// without a value, the positional arguments in order, and the usage errors.

#include <climits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/cli_support.h"

namespace mokuza::cli {

struct OptionInfo {
  std::string_view name;
  bool takesValue = false;
};

struct ParsedArgs {
  std::vector<std::pair<std::string, std::string>> options;  // in the order given; a flag's value is empty
  std::vector<std::string> positional;
  std::string error;  // the first thing wrong with the arguments; empty when nothing is

  // Keeps the first error.
  void fail(std::string message);
  bool has(std::string_view name) const;
  // The value of the last occurrence of the option.
  std::optional<std::string> value(std::string_view name) const;
  // The option's value as a whole number within [low, high]; any other value
  // fails with `message`.
  std::optional<int> number(std::string_view name, std::string message, int low = INT_MIN, int high = INT_MAX);
  // The single positional argument; none fails with `missing`, more with
  // "more than one file given".
  std::string oneFile(std::string_view missing = "no file given");
};

// A value option takes the next argument, whatever it holds. Any other
// argument starting with '-' that is not declared, and a value option given
// last, is an error.
ParsedArgs parseArgs(const Command& command, const Args& args, const std::vector<OptionInfo>& options);

bool wantsHelp(const Args& args);
// Prints "mokuza-cli NAME: message" and the usage line; returns kExitUsage.
int usageError(const Command& command, const std::string& message, Streams streams);

}  // namespace mokuza::cli
