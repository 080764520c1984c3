// The store on Windows: HKEY_CURRENT_USER\SOFTWARE\Velda-Acoustics\<key>.
#include <windows.h>

#include <string>

#include "platform/Registry.h"

namespace velda::platform {

struct RegistryKey::Handle {
    HKEY key;
};

namespace {

std::wstring wide(std::string_view utf8)
{
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int units = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(units > 0 ? units : 0), L'\0');
    if (units > 0) ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), units);
    return out;
}

std::wstring keyPath(std::string_view keyName) { return L"SOFTWARE\\Velda-Acoustics\\" + wide(keyName); }

}  // namespace

std::optional<RegistryKey> RegistryKey::openForQuery(std::string_view keyName)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, keyPath(keyName).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    return RegistryKey(new Handle{key});
}

std::optional<RegistryKey> RegistryKey::createForWrite(std::string_view keyName)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, keyPath(keyName).c_str(), 0, nullptr, 0, KEY_SET_VALUE | KEY_QUERY_VALUE,
                          nullptr, &key, nullptr) != ERROR_SUCCESS)
        return std::nullopt;
    return RegistryKey(new Handle{key});
}

RegistryKey::RegistryKey(Handle* h) : handle(h) {}
RegistryKey::RegistryKey(RegistryKey&& other) noexcept : handle(other.handle) { other.handle = nullptr; }
RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept
{
    if (this != &other) {
        if (handle) ::RegCloseKey(handle->key);
        delete handle;
        handle = other.handle;
        other.handle = nullptr;
    }
    return *this;
}
RegistryKey::~RegistryKey()
{
    if (handle) ::RegCloseKey(handle->key);
    delete handle;
}

std::optional<RegistryValue> RegistryKey::read(std::string_view valueName, std::size_t maxBytes) const
{
    if (!handle) return std::nullopt;
    const std::wstring name = wide(valueName);
    DWORD type = 0;
    DWORD size = 0;
    // Ask for the size first: a value longer than maxBytes is not read at all.
    if (::RegQueryValueExW(handle->key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    if (size > maxBytes) return std::nullopt;
    RegistryValue value;
    value.bytes.resize(size);
    if (::RegQueryValueExW(handle->key, name.c_str(), nullptr, &type, value.bytes.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    if (size > value.bytes.size()) return std::nullopt;
    value.bytes.resize(size);
    value.type = static_cast<RegistryType>(type);
    return value;
}

bool RegistryKey::write(std::string_view valueName, RegistryType type, std::span<const std::uint8_t> bytes)
{
    if (!handle || bytes.size() > MAXDWORD) return false;
    return ::RegSetValueExW(handle->key, wide(valueName).c_str(), 0, static_cast<DWORD>(type), bytes.data(),
                            static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

bool RegistryKey::deleteValue(std::string_view valueName)
{
    if (!handle) return false;
    return ::RegDeleteValueW(handle->key, wide(valueName).c_str()) == ERROR_SUCCESS;
}

}  // namespace velda::platform
