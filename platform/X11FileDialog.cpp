// File dialogs on X11 desktops: zenity or kdialog, whichever is installed; none gives no choice.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/X11Window.h"

namespace velda::platform {

namespace {
bool onPath(const char* program)
{
    const char* path = std::getenv("PATH");
    if (!path) return false;
    std::string paths = path;
    size_t start = 0;
    while (start <= paths.size()) {
        size_t end = paths.find(':', start);
        if (end == std::string::npos) end = paths.size();
        const std::string candidate = paths.substr(start, end - start) + "/" + program;
        struct stat info;
        if (stat(candidate.c_str(), &info) == 0 && (info.st_mode & S_IXUSR)) return true;
        start = end + 1;
    }
    return false;
}

// Single quotes for the shell.
std::string quoted(const std::string& text)
{
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string startPath(const FileDialogRequest& request)
{
    std::string path = request.initialDirectory;
    if (!path.empty() && path.back() != '/') path += '/';
    return path + request.defaultName;
}

bool runCommand(const std::string& command, std::string& result)
{
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return false;
    char buffer[4096];
    std::string output;
    while (std::fgets(buffer, sizeof(buffer), pipe)) output += buffer;
    const int status = pclose(pipe);
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
    if (status != 0 || output.empty()) return false;
    result = output;
    return true;
}
}  // namespace

bool runDesktopFileDialog(FileDialogRequest& request)
{
    std::string command;
    if (onPath("zenity")) {
        command = "zenity --file-selection 2>/dev/null";
        if (request.save) command += " --save --confirm-overwrite";
        if (request.chooseFolder) command += " --directory";
        if (!request.title.empty()) command += " --title=" + quoted(request.title);
        const std::string start = startPath(request);
        if (!start.empty()) command += " --filename=" + quoted(start);
        for (const auto& f : request.filters)
            command += " --file-filter=" + quoted(f.description + " | *." + f.extension);
    } else if (onPath("kdialog")) {
        command = std::string("kdialog 2>/dev/null ") +
                  (request.chooseFolder ? "--getexistingdirectory" : request.save ? "--getsavefilename" : "--getopenfilename");
        std::string start = startPath(request);
        command += " " + quoted(start.empty() ? "." : start);
        if (!request.chooseFolder && !request.filters.empty()) {
            std::string filter;
            for (const auto& f : request.filters) filter += (filter.empty() ? "" : "\n") + f.description + " (*." + f.extension + ")";
            command += " " + quoted(filter);
        }
        if (!request.title.empty()) command += " --title " + quoted(request.title);
    } else {
        return false;
    }
    if (!runCommand(command, request.result)) return false;
    if (request.save && !request.defaultExtension.empty()) {
        const std::string dotted = "." + request.defaultExtension;
        const size_t slash = request.result.rfind('/');
        const std::string name = slash == std::string::npos ? request.result : request.result.substr(slash + 1);
        if (name.find('.') == std::string::npos) request.result += dotted;
    }
    return true;
}

}  // namespace velda::platform
