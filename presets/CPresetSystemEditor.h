// The editor base between AEffGUIEditor and the product editors: the preset panel along the
// bottom edge (program name, program menu, rocker, file, default and memory buttons), the preset
// and bank files, the per-user defaults and A/B memories, and the folder and file names last used.
// It receives every control's value change and handles the panel's own tags first.
#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "controls/EditorLayoutTypes.h"
#include "presets/PresetDefaults.h"
#include "presets/PresetFileRecord.h"
#include "shell/AEffGUIEditor.h"
#include "toolkit/CControlListener.h"

class CPresetSystemEffect;
class CPSKickButton;
class CPSRockerSwitch;
class CSaveLoadButton;

namespace velda::gui {
class COptionMenu;
class CTextEdit;
}  // namespace velda::gui
namespace velda::platform {
class Timer;
}

class CPresetSystemEditor : public AEffGUIEditor, public velda::gui::CControlListener {
public:
    enum class Memo { A, B };

    // Tag offsets from the product's tag base.
    enum PanelTag : int32_t {
        kNameTag = 0,
        kRockerTag = 1,
        kLoadBankTag = 2,
        kSaveBankTag = 3,
        kLoadPresetTag = 4,
        kSavePresetTag = 5,
        kMenuTag = 12,
        kDefaultBankTag = 13,
        kDefaultPresetTag = 14,
        kStoreATag = 15,
        kStoreBTag = 16,
        kRecallATag = 17,
        kRecallBTag = 18,
    };

    explicit CPresetSystemEditor(AudioEffect* effect);
    // Writes the folder and file names last used.
    ~CPresetSystemEditor() override;

    // The product's panel rows, tag base and background, and the key of its preset store
    // ("Emberline20"); the product editor's constructor sets them. Without them there is no panel
    // and no store.
    void setPresetPanel(const velda::layout::PanelPlacement& placement, const char* registryKeyName);
    const velda::layout::PanelPlacement& getPanelPlacement() const { return placement; }
    bool isPanelTag(int32_t tag) const;

    // The panel's part of open (after the product's frame exists): false without a frame, an
    // effect with a program table or a placement. close stops the timer and drops the controls.
    bool open(void* window) override;
    void close() override;
    void idle() override;
    void loadDefaults() override { loadRegistryDefaults(); }

    void valueChanged(velda::gui::CControl* control) override;
    // The panel's tags are commands, not parameters: the host hears no gestures for them.
    void beginEdit(int32_t index) override;
    void endEdit(int32_t index) override;

    // Operations added to the editor, in their fixed order.
    virtual void reservedPanelHook1() {}
    virtual void reservedPanelHook2() {}
    void programNameChanged(const char* name) override;
    virtual void loadRegistryDefaults();
    // The loads change nothing unless the whole record is good; they answer whether it was.
    virtual bool loadBankRecord(std::span<const uint8_t> record, bool reversed);
    virtual std::vector<uint8_t> saveBankRecord();
    virtual bool loadPresetRecord(std::span<const uint8_t> record, bool reversed);
    virtual std::vector<uint8_t> savePresetRecord();

    // File commands: each runs a modal file selector on the frame.
    void loadPreset(bool reversed);
    void savePreset();
    void loadBank(bool reversed);
    void saveBank();

    // Per-user store.
    void storeDefaultBank();
    void deleteDefaultBank();
    void storeDefaultPreset();
    void deleteDefaultPreset();
    void storeMemo(Memo memo);
    void recallMemo(Memo memo);
    void storeRecentLocations();

    const std::string& getCurrentFolder() const { return currentFolder; }
    const std::string& getCurrentPresetFileName() const { return currentPresetFile; }
    const std::string& getCurrentBankFileName() const { return currentBankFile; }

    velda::gui::CTextEdit* getNameField() const { return nameField; }
    velda::gui::COptionMenu* getProgramMenu() const { return programMenu; }
    bool isIdleTimerRunning() const;

protected:
    CPresetSystemEffect* presetEffect() const;
    velda::presets::RecordLayout recordLayout() const;

private:
    enum class FileKind { Preset, Bank };

    void buildPanel();
    void loadFile(FileKind kind, bool reversed);
    void saveFile(FileKind kind);
    // Takes the chosen path apart into the remembered folder and file name; the full path to open.
    std::string rememberChosenPath(FileKind kind, const std::string& path);
    void showProgramName(int index, const char* name);
    void refreshProgramMenu();
    void applyProgram(int index);
    void renameCurrentProgram(const char* text);

    velda::layout::PanelPlacement placement{};
    std::string registryKey;
    bool hasPlacement = false;

    std::string currentFolder;
    std::string currentBankFile;
    std::string currentPresetFile;

    velda::gui::CTextEdit* nameField = nullptr;
    velda::gui::COptionMenu* programMenu = nullptr;
    CPSRockerSwitch* rocker = nullptr;
    CSaveLoadButton* loadBankButton = nullptr;
    CSaveLoadButton* saveBankButton = nullptr;
    CSaveLoadButton* loadPresetButton = nullptr;
    CSaveLoadButton* savePresetButton = nullptr;
    CPSKickButton* defaultBankButton = nullptr;
    CPSKickButton* defaultPresetButton = nullptr;
    CPSKickButton* storeAButton = nullptr;
    CPSKickButton* storeBButton = nullptr;
    CPSKickButton* recallAButton = nullptr;
    CPSKickButton* recallBButton = nullptr;
    std::unique_ptr<velda::platform::Timer> idleTimer;
};
