#include "core/document/document.h"

#include "core/document/navigation.h"

namespace mokuza {

bool RangeSelection::containsPoint(int point, int n) const {
  if (!active || point < 0 || point >= n * n) return false;
  const int x = point % n, y = point / n;
  return x >= left && x <= right && y >= top && y <= bottom;
}

Document::Document() {
  globalOptions[GlobalOption::HistoryOutput] = 1;
  globalOptions[GlobalOption::FileFull] = 0;
  observers.push_back(&classifier);
  resetDocument(*this);
  ReplayFrom(board, state.record.lineCopy, 0, observers);
  showMove(*this, 0);
}

void markModified(Document& doc) {
  doc.state.modified = true;
}

void callHook(const std::function<void()>& hook) {
  if (hook) hook();
}

bool autoPlayRunning(const Document& doc) { return doc.hooks.autoPlayRunning && doc.hooks.autoPlayRunning(); }

}  // namespace mokuza
