// A shared library opened by path (dlopen / LoadLibraryW), closed on destruction.
#pragma once
#include <memory>
#include <string>

namespace velda::tool {

class DynamicLibrary {
public:
    // Null with a one-line reason in `error` when the file is missing or not a loadable library.
    static std::unique_ptr<DynamicLibrary> open(const std::string& path, std::string& error);
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    void* symbol(const char* name) const;

private:
    explicit DynamicLibrary(void* handle) : handle(handle) {}
    void* handle;
};

}  // namespace velda::tool
