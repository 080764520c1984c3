#include "platform/RegistryText.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace velda::platform {

#ifdef _WIN32

std::u16string toStoredText(std::string_view text, std::size_t maxUnits)
{
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int units = ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    if (units <= 0) return {};
    std::u16string out(static_cast<std::size_t>(units), u'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, reinterpret_cast<wchar_t*>(out.data()), units);
    if (out.size() > maxUnits) {
        out.resize(maxUnits);
        if (!out.empty() && out.back() >= 0xD800 && out.back() < 0xDC00) out.pop_back();  // half a pair
    }
    return out;
}

std::string fromStoredText(std::u16string_view text, std::size_t maxBytes)
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const bool pair = text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                          text[i + 1] < 0xE000;
        const int length = pair ? 2 : 1;
        char bytes[8];
        const int count = ::WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t*>(text.data() + i), length,
                                                bytes, sizeof bytes, nullptr, nullptr);
        if (count <= 0 || out.size() + static_cast<std::size_t>(count) > maxBytes) break;
        out.append(bytes, static_cast<std::size_t>(count));
        i += static_cast<std::size_t>(length);
    }
    return out;
}

#else

namespace {

// The code point of a well-formed UTF-8 sequence at text[i] and its length; length 0 when
// the byte starts no well-formed sequence.
char32_t decodeUtf8(std::string_view text, std::size_t i, std::size_t& length)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    length = 0;
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    std::size_t need;
    char32_t cp;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1, cp = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2, cp = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + need >= text.size()) return 0;
    for (std::size_t k = 1; k <= need; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return 0;
    length = need + 1;
    return cp;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::u16string toStoredText(std::string_view text, std::size_t maxUnits)
{
    std::u16string out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t length;
        char32_t cp = decodeUtf8(text, i, length);
        if (length == 0) {
            cp = 0xDC00 | static_cast<unsigned char>(text[i]);  // a stray byte, kept as a lone surrogate
            length = 1;
        }
        const std::size_t units = cp >= 0x10000 ? 2 : 1;
        if (out.size() + units > maxUnits) break;
        if (units == 2) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += length;
    }
    return out;
}

std::string fromStoredText(std::u16string_view text, std::size_t maxBytes)
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const char16_t unit = text[i];
        std::string piece;
        std::size_t used = 1;
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            appendUtf8(piece, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
            used = 2;
        } else if (unit >= 0xDC80 && unit <= 0xDCFF) {
            piece += static_cast<char>(unit & 0xFF);  // a stray byte carried through
        } else if (unit >= 0xD800 && unit < 0xE000) {
            appendUtf8(piece, 0xFFFD);
        } else {
            appendUtf8(piece, unit);
        }
        if (out.size() + piece.size() > maxBytes) break;
        out += piece;
        i += used;
    }
    return out;
}

#endif

}  // namespace velda::platform
