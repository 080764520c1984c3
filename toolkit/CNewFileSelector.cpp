#include "toolkit/CNewFileSelector.h"

#include "toolkit/CFrame.h"

namespace velda::gui {

CFileExtension::CFileExtension(const char* d, const char* e, const char* m, int32_t t)
    : description(d ? d : ""), extension(e ? e : ""), mimeType(m ? m : ""), macType(t)
{
}

CNewFileSelector::CNewFileSelector(CFrame* parent, Style s) : frame(parent), style(s)
{
    if (frame) frame->remember();
}

CNewFileSelector::~CNewFileSelector()
{
    if (frame) frame->forget();
}

CNewFileSelector* CNewFileSelector::create(CFrame* parent, Style style) { return new CNewFileSelector(parent, style); }

void CNewFileSelector::setDefaultExtension(const CFileExtension& e)
{
    defaultExtension = e.getExtension();
    bool known = false;
    for (const auto& existing : extensions) known = known || defaultExtension == existing.getExtension();
    if (!known) extensions.insert(extensions.begin(), e);
}

const char* CNewFileSelector::getSelectedFile(uint32_t index) const
{
    return index < selected.size() ? selected[index].c_str() : nullptr;
}

bool CNewFileSelector::runModal()
{
    selected.clear();
    platform::PlatformWindow* window = frame ? frame->getPlatformWindow() : nullptr;
    if (!window) return false;
    platform::FileDialogRequest request;
    request.save = style == kSelectSaveFile;
    request.chooseFolder = style == kSelectDirectory;
    request.title = title;
    request.initialDirectory = initialDirectory;
    request.defaultName = defaultSaveName;
    request.defaultExtension = defaultExtension;
    for (const auto& e : extensions) request.filters.push_back({e.getDescription(), e.getExtension()});
    frame->remember();
    const bool chosen = window->runFileDialog(request) && !request.result.empty();
    frame->forget();
    if (chosen) selected.push_back(request.result);
    return chosen;
}

}  // namespace velda::gui
