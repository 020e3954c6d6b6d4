#include "app/small_dialogs.h"
#include "app/view_refresh.h"

#include "core/record/text.h"

namespace mokuza::app {

PairGoSession beginPairGoColours(const Application& app) { return {playback::readPairGoColours(app.doc)}; }

void applyPairGoSession(Application& app, const PairGoSession& session) {
  const EventScope scope(app);
  playback::applyPairGoColours(app.playback, session.colours);
}

std::u16string aboutText() { return u"Mokuza バージョン " + asciiToUtf16(MOKUZA_VERSION); }

}  // namespace mokuza::app
