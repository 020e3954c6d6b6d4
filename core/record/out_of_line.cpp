// The copies of the parts a record holds out of line, kept apart from every
// caller so that none inlines them: copying a record without such parts (most
// of them) then takes a few inline instructions.

#include "core/record/game_record.h"

namespace mokuza {

template <typename T>
std::unique_ptr<T> OutOfLine<T>::copyOf(const T& value) {
  return std::make_unique<T>(value);
}

template class OutOfLine<std::vector<MarkEntry>>;
template class OutOfLine<NoteBlockPair>;
template class OutOfLine<MoveProperties::Block>;

}  // namespace mokuza
