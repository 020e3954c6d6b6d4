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

template <typename Option, std::size_t N>
const OptionInfo<Option>* forKey(const std::array<OptionInfo<Option>, N>& table, std::string_view key) {
  for (const OptionInfo<Option>& info : table)
    if (info.key == key) return &info;
  return nullptr;
}

}  // namespace

const OptionInfo<GlobalOption>* globalOptionForKey(std::string_view key) { return forKey(kGlobalOptions, key); }
const OptionInfo<DocumentOption>* documentOptionForKey(std::string_view key) { return forKey(kDocumentOptions, key); }
GlobalOptions defaultGlobalOptions() { return defaults(kGlobalOptions); }
DocumentOptions defaultDocumentOptions() { return defaults(kDocumentOptions); }

}  // namespace mokuza
