#pragma once
// The two option maps as the settings file holds them: every option once.

#include "core/document/document.h"

namespace mokuza {

// The defaults overlaid with what the map holds: every known option once.
GlobalOptions completeGlobalOptions(const GlobalOptions& options);
DocumentOptions completeDocumentOptions(const DocumentOptions& options);

// Window creation: every global option at its default.
void setGlobalDefaults(Document& doc);

}  // namespace mokuza
