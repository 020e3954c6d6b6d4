#include "core/document/undo.h"

#include <string>

#include "core/document/navigation.h"
#include "core/record/text.h"

namespace mokuza {
namespace {

constexpr std::size_t kDescriptionMax = 512;

std::size_t storedPlaylistEntries(const Document& doc) {
  std::size_t total = 0;
  for (const UndoEntry& entry : doc.undoEntries) total += entry.playlistEntries.size();
  return total;
}

// The window layout stays as the user left it when the history moves.
constexpr DocumentOption kLayoutOptions[] = {DocumentOption::LayoutNo, DocumentOption::TextSize};
constexpr DesignField kLayoutDesignValues[] = {DesignField::MarginX, DesignField::MarginY, DesignField::AbsoluteSize,
                                               DesignField::BackX, DesignField::BackY};

void keepLayout(DocumentState& restored, const DocumentState& current) {
  for (DocumentOption option : kLayoutOptions) {
    if (auto it = current.options.values.find(optionInfo(option).key); it != current.options.values.end())
      restored.options.values.insert_or_assign(it->first, it->second);
  }
  for (DesignField field : kLayoutDesignValues) {
    const std::u16string_view label = fieldInfo(field).label;
    if (auto it = current.design.intFields.find(label); it != current.design.intFields.end())
      restored.design.intFields.insert_or_assign(it->first, it->second);
  }
}

}  // namespace

void recordUndo(Document& doc, std::u16string_view description) {
  if (doc.batchMode || autoPlayRunning(doc) || description == u"n") return;
  // The redo side is discarded by a new change.
  doc.undoEntries.resize(static_cast<std::size_t>(doc.undoIndex + 1));
  UndoEntry entry;
  entry.state = doc.state;
  const naming::FigureTable& figures = doc.classifier.figureTable();
  const UndoEntry* previous = doc.undoEntries.empty() ? nullptr : &doc.undoEntries.back();
  entry.figures = previous && previous->figures && previous->figures->rows() == figures.rows()
                      ? previous->figures
                      : std::make_shared<const naming::FigureTable>(figures);
  entry.currentMove = doc.currentMove();
  entry.modified = doc.state.modified;
  if (doc.hooks.snapshotPlaylist) entry.playlistEntries = doc.hooks.snapshotPlaylist();
  entry.description = std::u16string(description.substr(0, kDescriptionMax));
  doc.undoEntries.push_back(std::move(entry));
  doc.undoIndex = static_cast<int>(doc.undoEntries.size()) - 1;

  bool dropped = false;
  while (doc.undoIndex > 0 &&
         (doc.undoIndex + storedPlaylistEntries(doc) >= kUndoPlaylistEntryLimit + 1 || doc.undoIndex >= kUndoLimit)) {
    doc.undoEntries.erase(doc.undoEntries.begin());
    --doc.undoIndex;
    dropped = true;
  }
  if (dropped && doc.hooks.dropPlaylistSnapshots)
    doc.hooks.dropPlaylistSnapshots(doc.undoEntries.front().state.playlistSnapshot);
  doc.undoCount = doc.undoIndex;

  if (option(doc.globalOptions, GlobalOption::HistoryOutput) == 1 && doc.hooks.appendHistoryLine)
    doc.hooks.appendHistoryLine(doc.undoEntries.back().description, doc.undoIndex);
}

namespace {

// Makes the entry at undoIndex the document state.
void restoreUndo(Document& doc) {
  if (doc.undoIndex < 0 || doc.undoIndex >= static_cast<int>(doc.undoEntries.size())) return;
  const UndoEntry& entry = doc.undoEntries[static_cast<std::size_t>(doc.undoIndex)];
  const int oldSize = doc.record().boardSize;
  DocumentState restored = entry.state;
  keepLayout(restored, doc.state);
  doc.state = std::move(restored);
  doc.state.modified = entry.modified;
  if (doc.hooks.restorePlaylist) doc.hooks.restorePlaylist(entry.playlistEntries);
  if (doc.record().boardSize != oldSize || doc.board.geometry.n != doc.record().boardSize)
    SetBoardSize(doc.board, doc.record().boardSize);
  if (entry.figures && entry.figures->rows() != doc.classifier.figureTable().rows())
    doc.classifier.setFigureTable(*entry.figures);
  rebuildCurrentLine(doc.record());
  doc.record().currentMove = entry.currentMove;
  callHook(doc.hooks.relayout);
  recomputePositions(doc, 0);
}

}  // namespace

bool undo(Document& doc) {
  if (autoPlayRunning(doc) || doc.undoIndex <= 0) return false;
  --doc.undoIndex;
  restoreUndo(doc);
  return true;
}

bool redo(Document& doc) {
  if (autoPlayRunning(doc) || doc.undoIndex >= doc.undoCount) return false;
  ++doc.undoIndex;
  restoreUndo(doc);
  return true;
}

bool chooseHistoryEntry(Document& doc, int stepsBack) {
  const int index = doc.undoCount - stepsBack;
  if (autoPlayRunning(doc) || index < 0 || index > doc.undoCount || index == doc.undoIndex) return false;
  doc.undoIndex = index;
  restoreUndo(doc);
  return true;
}

}  // namespace mokuza
