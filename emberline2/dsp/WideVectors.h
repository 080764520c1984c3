// Whether the processor and the operating system offer 256-bit vectors (AVX). Loops that
// use them run the same IEEE operations per lane as their 128-bit forms, so the choice
// never changes a result; tests switch it off to check the narrow forms.
#pragma once

namespace velda {

bool wideVectorsAvailable();
bool& wideVectorsEnabled();

}  // namespace velda
