// A modal file chooser: open, save or folder. Runs the platform's dialog of the frame's window.
#pragma once
#include <string>
#include <vector>

#include "toolkit/CBaseObject.h"

namespace velda::gui {

class CFrame;

class CFileExtension {
public:
    CFileExtension(const char* description, const char* extension, const char* mimeType = nullptr,
                   int32_t macType = 0);
    const char* getDescription() const { return description.c_str(); }
    const char* getExtension() const { return extension.c_str(); }
    const char* getMimeType() const { return mimeType.c_str(); }
    int32_t getMacType() const { return macType; }

private:
    std::string description;
    std::string extension;
    std::string mimeType;
    int32_t macType;
};

class CNewFileSelector : public CBaseObject {
public:
    enum Style {
        kSelectFile,
        kSelectSaveFile,
        kSelectDirectory,
    };

    static CNewFileSelector* create(CFrame* parent = nullptr, Style style = kSelectFile);

    // True when the user chose something.
    bool runModal();

    void setTitle(const char* t) { title = t ? t : ""; }
    void setInitialDirectory(const char* d) { initialDirectory = d ? d : ""; }
    void setDefaultSaveName(const char* n) { defaultSaveName = n ? n : ""; }
    void setDefaultExtension(const CFileExtension& e);
    void addFileExtension(const CFileExtension& e) { extensions.push_back(e); }
    void setAllowMultiFileSelection(bool state) { allowMultiple = state; }

    int32_t getNumSelectedFiles() const { return int32_t(selected.size()); }
    const char* getSelectedFile(uint32_t index) const;

private:
    CNewFileSelector(CFrame* parent, Style style);
    ~CNewFileSelector() override;

    CFrame* frame;
    Style style;
    std::string title;
    std::string initialDirectory;
    std::string defaultSaveName;
    std::string defaultExtension;
    std::vector<CFileExtension> extensions;
    std::vector<std::string> selected;
    bool allowMultiple = false;
};

}  // namespace velda::gui
