#include "platform/UiThread.h"

#if defined(_WIN32)
#include <ole2.h>
#include <windows.h>
#endif

namespace velda::platform {

bool initializeUiThread()
{
#if defined(_WIN32)
    const HRESULT result = OleInitialize(nullptr);
    return result == S_OK || result == S_FALSE;
#else
    return false;
#endif
}

void releaseUiThread()
{
#if defined(_WIN32)
    OleUninitialize();
#endif
}

}  // namespace velda::platform
