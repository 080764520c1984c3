// Per-thread set-up that the editor needs on its user-interface thread (OLE on Windows).
#pragma once

namespace velda::platform {

// True when the matching releaseUiThread is owed.
bool initializeUiThread();
void releaseUiThread();

}  // namespace velda::platform
