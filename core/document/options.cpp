#include "core/document/options.h"

namespace mokuza {
namespace {

static_assert(inConstantOrder(kGlobalOptions, &OptionInfo<GlobalOption>::option));
static_assert(inConstantOrder(kDocumentOptions, &OptionInfo<DocumentOption>::option));

template <typename Option, std::size_t N>
OptionValues<Option> defaults(const std::array<OptionInfo<Option>, N>& table) {
  OptionValues<Option> options;
  for (const OptionInfo<Option>& info : table) options.values.emplace(info.key, info.initial);
  return options;
}

}  // namespace

GlobalOptions defaultGlobalOptions() { return defaults(kGlobalOptions); }
DocumentOptions defaultDocumentOptions() { return defaults(kDocumentOptions); }

}  // namespace mokuza
