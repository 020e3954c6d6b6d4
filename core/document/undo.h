#pragma once
// The operation history: every change leaves a copy of the document state.

#include <string_view>

#include "core/document/document.h"

namespace mokuza {

// Records the state after a change, with its description (also the line of
// the history log). The single letter "n" records nothing.
void recordUndo(Document& doc, std::u16string_view description);
bool undo(Document& doc);
bool redo(Document& doc);
// The history submenu item with this command identifier was chosen.
bool chooseHistoryItem(Document& doc, int commandId);
// Rebuilds the texts and states of the undo, redo and history items.
void refreshUndoMenu(Document& doc);

}  // namespace mokuza
