#include "settings/options.h"

namespace mokuza {
namespace {

template <typename Option, std::size_t N>
OptionValues<Option> complete(const std::array<OptionInfo<Option>, N>& table, const OptionValues<Option>& options) {
  OptionValues<Option> result;
  for (const OptionInfo<Option>& info : table) result.values.emplace(info.key, option(options, info.option));
  return result;
}

}  // namespace

GlobalOptions completeGlobalOptions(const GlobalOptions& options) { return complete(kGlobalOptions, options); }

DocumentOptions completeDocumentOptions(const DocumentOptions& options) { return complete(kDocumentOptions, options); }

void setGlobalDefaults(Document& doc) { doc.globalOptions = defaultGlobalOptions(); }

}  // namespace mokuza
