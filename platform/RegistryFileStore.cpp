// The store where no registry exists: one directory per key, one file per value.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/Registry.h"
#include "platform/RegistryValueFile.h"

namespace velda::platform {

struct RegistryKey::Handle {
    std::string directory;  // ends with '/'
};

namespace {

constexpr const char* vendorFolder = "Velda-Acoustics";
constexpr const char* valueSuffix = ".value";

std::string configRoot()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.config";
    return {};
}

bool isDirectory(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool makeDirectory(const std::string& path)
{
    return ::mkdir(path.c_str(), 0700) == 0 || (errno == EEXIST && isDirectory(path));
}

std::string keyDirectory(std::string_view keyName)
{
    const std::string root = configRoot();
    if (root.empty()) return {};
    return root + '/' + vendorFolder + '/' + registryFileName(keyName) + '/';
}

bool writeAll(int fd, const std::vector<std::uint8_t>& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Unique among the processes and threads writing at the same moment.
// Whether the file at path holds exactly these bytes (a write of them can then be left out:
// hosts close instances by the dozen, and each close stores the preferences again).
bool holds(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat info {};
    bool same = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && static_cast<std::uint64_t>(info.st_size) == bytes.size();
    std::vector<std::uint8_t> file(bytes.size() + 1);
    std::size_t size = 0;
    while (same && size < file.size()) {
        const ssize_t n = ::read(fd, file.data() + size, file.size() - size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        size += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return same && size == bytes.size() && std::equal(bytes.begin(), bytes.end(), file.begin());
}

std::string temporaryName(const std::string& target)
{
    static std::atomic<unsigned long> counter{0};
    return target + ".tmp." + std::to_string(::getpid()) + '.' + std::to_string(counter.fetch_add(1));
}

}  // namespace

std::optional<RegistryKey> RegistryKey::openForQuery(std::string_view keyName)
{
    std::string directory = keyDirectory(keyName);
    if (directory.empty() || !isDirectory(directory)) return std::nullopt;
    return RegistryKey(new Handle{std::move(directory)});
}

std::optional<RegistryKey> RegistryKey::createForWrite(std::string_view keyName)
{
    const std::string root = configRoot();
    if (root.empty()) return std::nullopt;
    std::string directory = keyDirectory(keyName);
    if (!makeDirectory(root) || !makeDirectory(root + '/' + vendorFolder) || !makeDirectory(directory))
        return std::nullopt;
    return RegistryKey(new Handle{std::move(directory)});
}

RegistryKey::RegistryKey(Handle* h) : handle(h) {}
RegistryKey::RegistryKey(RegistryKey&& other) noexcept : handle(other.handle) { other.handle = nullptr; }
RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept
{
    if (this != &other) {
        delete handle;
        handle = other.handle;
        other.handle = nullptr;
    }
    return *this;
}
RegistryKey::~RegistryKey() { delete handle; }

std::optional<RegistryValue> RegistryKey::read(std::string_view valueName, std::size_t maxBytes) const
{
    if (!handle) return std::nullopt;
    const std::string path = handle->directory + registryFileName(valueName) + valueSuffix;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    const std::size_t limit = valueFileSizeLimit(valueName, maxBytes);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || static_cast<std::uint64_t>(info.st_size) > limit) {
        ::close(fd);
        return std::nullopt;
    }
    // A file that grows while it is read is caught by its length check.
    std::vector<std::uint8_t> file(static_cast<std::size_t>(info.st_size));
    std::size_t size = 0;
    while (size < file.size()) {
        const ssize_t n = ::read(fd, file.data() + size, file.size() - size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        size += static_cast<std::size_t>(n);
    }
    ::close(fd);
    file.resize(size);
    auto value = decodeValueFile(file, valueName);
    if (value && value->bytes.size() > maxBytes) return std::nullopt;
    return value;
}

bool RegistryKey::write(std::string_view valueName, RegistryType type, std::span<const std::uint8_t> bytes)
{
    if (!handle) return false;
    const std::string target = handle->directory + registryFileName(valueName) + valueSuffix;
    const std::vector<std::uint8_t> encoded = encodeValueFile(valueName, type, bytes);
    if (holds(target, encoded)) return true;
    std::string temporary;
    int fd = -1;
    // A leftover of a crashed process with a reused id only costs a further try.
    for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
        temporary = temporaryName(target);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    // Flushed before the rename, so that after a crash the name holds the old or the new value.
    bool ok = writeAll(fd, encoded) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}

bool RegistryKey::deleteValue(std::string_view valueName)
{
    if (!handle) return false;
    const std::string path = handle->directory + registryFileName(valueName) + valueSuffix;
    return ::unlink(path.c_str()) == 0;
}

}  // namespace velda::platform
