#include "core/document/document.h"

#include "core/document/navigation.h"

namespace mokuza {

OptionMap defaultDocumentOptions() {
  return {{"kifunarabe", -1}, {"auto_kifu", -1},      {"textsize", 2},     {"gobanroll", -8},
          {"layoutno", 1},    {"rename_tag_max", 10}, {"kigaku_mode", -1}, {"boardsize", 19}};
}

std::int32_t optionValue(const OptionMap& options, std::string_view key, std::int32_t fallback) {
  auto it = options.find(key);
  return it == options.end() ? fallback : it->second;
}

bool switchOn(const OptionMap& options, std::string_view key, std::int32_t fallback) {
  return optionValue(options, key, fallback) >= 1;
}

bool replayModeOn(const OptionMap& documentOptions) { return switchOn(documentOptions, "kifunarabe"); }
bool musicModeOn(const OptionMap& documentOptions) { return switchOn(documentOptions, "kigaku_mode"); }

bool RangeSelection::containsPoint(int point, int n) const {
  if (!active || point < 0 || point >= n * n) return false;
  const int x = point % n, y = point / n;
  return x >= left && x <= right && y >= top && y <= bottom;
}

Document::Document() {
  globalOptions = {{"histoutput", 1}, {"filefull", 0}};
  observers.push_back(&classifier);
  resetDocument(*this);
  ReplayFrom(board, state.record.lineCopy, 0, observers);
  showMove(*this, 0);
}

void refreshWindowTitle(Document& doc) {
  const std::u16string& name = doc.state.fileTitle;
  if (name.empty()) doc.windowTitle = u"Mokuza";
  else doc.windowTitle = name + (doc.state.modified ? u"（更新） - Mokuza" : u" - Mokuza");
}

void markModified(Document& doc) {
  doc.state.modified = true;
  if (!doc.batchMode) refreshWindowTitle(doc);
}

void callHook(const std::function<void()>& hook) {
  if (hook) hook();
}

}  // namespace mokuza
