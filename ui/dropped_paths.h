#pragma once
// The local files a drag carries, as the file system names them.

#include <string>
#include <vector>

class QMimeData;

namespace mokuza::ui {

// The paths of the local-file URLs: their percent-encoded bytes are the
// file system's, kept even when they are no UTF-8.
std::vector<std::u16string> droppedPaths(const QMimeData& data);

}  // namespace mokuza::ui
