#include "core/document/options.h"

#include "core/document/table_index.h"

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

const OptionInfo<GlobalOption>* globalOptionForKey(std::string_view key) {
  static const auto index = indexBy(kGlobalOptions, &OptionInfo<GlobalOption>::key);
  return findIn(index, key);
}

const OptionInfo<DocumentOption>* documentOptionForKey(std::string_view key) {
  static const auto index = indexBy(kDocumentOptions, &OptionInfo<DocumentOption>::key);
  return findIn(index, key);
}
GlobalOptions defaultGlobalOptions() { return defaults(kGlobalOptions); }
DocumentOptions defaultDocumentOptions() { return defaults(kDocumentOptions); }

}  // namespace mokuza
