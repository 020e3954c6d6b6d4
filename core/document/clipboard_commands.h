#pragma once
// The clipboard commands: copy the game, open a game (or only its moves)
// from the clipboard, erase comments in the clipboard text, count brackets.

#include <string>

#include "core/document/document.h"
#include "platform/services.h"

namespace mokuza {

void copyGameToClipboard(Document& doc, platform::Services& services);
// 0 when a game was read, -1 when the clipboard held none (the game stays).
int openFromClipboard(Document& doc, platform::Services& services, bool movesOnly);
void eraseCommentsInClipboard(platform::Services& services);
void countBracketsInClipboard(platform::Services& services);

// The text without LB, N, C and LZ properties.
std::u16string eraseComments(std::u16string text);

}  // namespace mokuza
