#pragma once

namespace velda::tool {

// CPU time the calling thread has used, in seconds.
double threadCpuSeconds();

}  // namespace velda::tool
