#include "playlist/playlist_paths.h"

#include <algorithm>
#include <system_error>

#include "core/record/text.h"

namespace mokuza {
namespace {

bool isSeparator(char16_t c) { return c == u'/' || c == u'\\'; }

std::u16string withoutTrailingSeparator(std::u16string path) {
  while (path.size() > 1 && isSeparator(path.back())) path.pop_back();
  return path;
}

std::u16string_view fileNamePart(std::u16string_view path) {
  const std::size_t cut = path.find_last_of(u"\\/");
  return cut == std::u16string_view::npos ? path : path.substr(cut + 1);
}

// Each record's new path may follow at most this many later moves; longer
// chains only come from files made to loop.
constexpr int kMoveChainMax = 64;

}  // namespace

std::u16string normalisedPath(std::u16string_view path) {
  if (path.empty()) return {};
  return pathToText(textToPath(withSlashes(path)).lexically_normal());
}

std::u16string joinPath(std::u16string_view base, std::u16string_view rest) {
  if (base.empty() || (!rest.empty() && isSeparator(rest.front()))) return std::u16string(rest);
  std::u16string joined(base);
  if (!isSeparator(joined.back()) && !rest.empty()) joined += u'/';
  joined += rest;
  return joined;
}

std::u16string asFolder(std::u16string_view folder) {
  std::u16string text = withoutTrailingSeparator(std::u16string(folder));
  if (!text.empty() && !isSeparator(text.back())) text += u'/';
  return text;
}

std::u16string relativePath(std::u16string_view target, std::u16string_view base) {
  const std::u16string to = withoutTrailingSeparator(normalisedPath(target));
  if (to.empty() || to.front() != u'/') return to;
  const std::u16string from = withoutTrailingSeparator(normalisedPath(base));
  if (from.empty() || from.front() != u'/') return to;
  const std::u16string relative = pathToText(textToPath(to).lexically_relative(textToPath(from)));
  if (relative.empty()) return to;
  if (relative == u".") return {};
  return withoutTrailingSeparator(relative);
}

bool pathExists(std::u16string_view path) {
  if (path.empty()) return false;
  std::error_code ec;
  return std::filesystem::exists(textToPath(path), ec);
}

std::vector<MovedFile> parseMovedFiles(std::u16string_view text) {
  // The table ends at the first tag: every search stays inside it, so one
  // pass over the table reads it whatever its records look like.
  const std::u16string_view table = text.substr(0, std::min(text.find(u'<'), text.size()));
  std::vector<MovedFile> records;
  std::size_t allowance = 1000;
  std::size_t i = 0;
  while (i < table.size() && i < allowance) {
    if (table[i] != u'$') {
      ++i;
      continue;
    }
    allowance += 1000;
    const std::size_t arrow = table.find(u'>', i + 1);
    const std::size_t bar = arrow == std::u16string_view::npos ? arrow : table.find(u'|', arrow + 1);
    if (bar == std::u16string_view::npos) break;
    const std::u16string_view oldPath = table.substr(i + 1, arrow - i - 1);
    const std::u16string_view newPath = table.substr(arrow + 1, bar - arrow - 1);
    if (records.size() < kMovedFilesMax && oldPath != newPath && oldPath.size() <= kMovedPathMax &&
        newPath.size() <= kMovedPathMax && !oldPath.empty() && !newPath.empty())
      records.push_back({std::u16string(oldPath), std::u16string(newPath)});
    i = bar + 1;
  }
  return records;
}

void followMovedFiles(std::vector<MovedFile>& records) {
  // Record indices by old path, ascending; a match must lie below the last one
  // taken, as when the records are scanned from the last to the first.
  std::unordered_map<std::u16string, std::vector<std::size_t>> byOldPath;
  for (std::size_t j = 0; j < records.size(); ++j) byOldPath[records[j].oldPath].push_back(j);
  for (std::size_t i = records.size(); i-- > 0;) {
    std::size_t bound = records.size();
    for (int step = 0; step < kMoveChainMax; ++step) {
      auto it = byOldPath.find(records[i].newPath);
      if (it == byOldPath.end()) break;
      const std::vector<std::size_t>& indices = it->second;
      auto below = std::lower_bound(indices.begin(), indices.end(), bound);
      if (below == indices.begin()) break;
      const std::size_t j = *--below;
      records[i].newPath = records[j].newPath;
      bound = j;
    }
  }
}

std::u16string formatMovedFiles(const std::vector<MovedFile>& records) {
  std::u16string text;
  for (const MovedFile& record : records)
    if (record.oldPath.find_first_of(u"<>") == std::u16string::npos &&
        record.newPath.find_first_of(u"<|") == std::u16string::npos)
      text += u"$" + record.oldPath + u">" + record.newPath + u"|\n";
  return text;
}

PathResolver::PathResolver(std::u16string playlistFolder, std::u16string beforeFolder,
                           std::filesystem::path programFolder, std::vector<MovedFile> movedFiles)
    : playlistFolder_(std::move(playlistFolder)),
      beforeFolder_(std::move(beforeFolder)),
      programFolder_(pathToText(programFolder)),
      movedFiles_(std::move(movedFiles)) {
  for (std::size_t k = 0; k < movedFiles_.size(); ++k)
    movedByName_.emplace(std::u16string(fileNamePart(movedFiles_[k].oldPath)), k);
}

std::u16string PathResolver::resolve(std::u16string_view value, std::u16string_view folderPart) const {
  std::u16string combined = withSlashes(folderPart);
  if (combined.size() >= 2 && !isSeparator(combined.back())) combined += u'/';
  combined += withSlashes(value);

  if (!combined.empty() && isSeparator(combined.front())) {
    if (pathExists(combined)) return normalisedPath(combined);
  } else {
    for (const std::u16string* base : {&playlistFolder_, &beforeFolder_, &programFolder_}) {
      if (base->empty()) continue;
      const std::u16string candidate = joinPath(*base, combined);
      if (pathExists(candidate)) return normalisedPath(candidate);
    }
  }
  if (auto it = movedByName_.find(std::u16string(value)); it != movedByName_.end()) {
    const std::u16string candidate = joinPath(playlistFolder_, withSlashes(movedFiles_[it->second].newPath));
    if (pathExists(candidate)) return normalisedPath(candidate);
  }
  return {};
}

}  // namespace mokuza
