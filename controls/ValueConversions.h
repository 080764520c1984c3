// Texts of the editors' value displays: each turns a 32-bit value into text in a caller buffer of at
// least 256 bytes. Results are cut toward zero unless a function says otherwise.
#pragma once

namespace velda {

// 0.125 -> "12.5%", 0.25 -> "25%" (one decimal below 20 %).
void percentString(float value, char* text);
// Linear gain in dB with one decimal: 0.5 -> "-6.0dB", 0 -> "-oo dB".
void decibelString(float value, char* text);
// Level relative to full scale at 6 dB per doubling: 0.125 -> "-18.0dBFS".
void decibelFSString(float value, char* text);
// 4.7 -> "4".
void integerString(float value, char* text);
// Multiplier with two decimals: 2.5 -> "x2.50".
void ratioString(float value, char* text);
// 1151 -> "1151smps"; below one sample "0smps".
void samplesString(float value, char* text);
// Milliseconds with 3, 2, 1 or 0 decimals by magnitude, seconds from 1000 ms: "26.1ms", "1.250s".
void millisecondsString(float value, char* text);

}  // namespace velda
