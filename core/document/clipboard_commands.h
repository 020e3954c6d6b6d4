#pragma once
// The clipboard commands: copy the game, open a game (or only its moves)
// from the clipboard, erase comments in the clipboard text, count brackets.

#include <string>

#include "core/document/document.h"
#include "core/document/game_files.h"
#include "platform/services.h"

namespace mokuza {

void copyGameToClipboard(Document& doc, platform::Services& services);
// Failed when the clipboard held no game (the game stays).
OpenOutcome openFromClipboard(Document& doc, platform::Services& services, bool movesOnly);
void eraseCommentsInClipboard(platform::Services& services);
void countBracketsInClipboard(platform::Services& services);

// The text without LB, N, C and LZ properties.
std::u16string eraseComments(std::u16string text);

}  // namespace mokuza
