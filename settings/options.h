#pragma once
// The two option maps with their defaults, and the values a file may set.

#include <cstdint>
#include <string_view>

#include "core/document/document.h"

namespace mokuza {

// Options of the program as a whole; the document's own options (replay
// mode, load-time rotation, ...) live in DocumentState::options and start
// from defaultDocumentOptions().
using GlobalOptions = OptionMap;
using DocumentOptions = OptionMap;

GlobalOptions defaultGlobalOptions();

// The option map a key belongs to, or nothing for a key that is no option.
enum class OptionScope { None, Global, Document };
OptionScope optionScope(std::string_view key);

// The defaults overlaid with what the map holds: every known option once.
GlobalOptions completeGlobalOptions(const GlobalOptions& options);
DocumentOptions completeDocumentOptions(const DocumentOptions& options);

// A value read for an option: one the program cannot work with (a text size
// without a menu item, a timer period of 0, a board size of 25) becomes the
// option's default.
std::int32_t sanitisedOption(std::string_view key, std::int32_t value);

// Window creation: every global option at its default.
void setGlobalDefaults(Document& doc);

}  // namespace mokuza
