#pragma once

namespace velda::platform {

// CPU time the calling thread has used, in seconds.
double threadCpuSeconds();

}  // namespace velda::platform
