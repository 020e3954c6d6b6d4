#pragma once
// The pair-go colour dialog ("ペア碁カラー設定") as a session, and the text of
// "バージョン情報".

#include <string>

#include "app/application.h"
#include "playback/pair_go.h"

namespace mokuza::app {

struct PairGoSession {
  playback::PairGoColours colours;
};

PairGoSession beginPairGoColours(const Application& app);
// OK: the shown design and the shown game's entry take the colours.
void applyPairGoSession(Application& app, const PairGoSession& session);

// The program name and the version it was built as.
std::u16string aboutText();

}  // namespace mokuza::app
