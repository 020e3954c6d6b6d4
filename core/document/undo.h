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
// An entry of the history, counted back from the newest (0), was chosen.
bool chooseHistoryEntry(Document& doc, int stepsBack);

}  // namespace mokuza
