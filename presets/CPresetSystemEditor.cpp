#include "presets/CPresetSystemEditor.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/Timer.h"
#include "presets/CPSKickButton.h"
#include "presets/CPSRockerSwitch.h"
#include "presets/CPresetSystemEffect.h"
#include "presets/CSaveLoadButton.h"
#include "presets/PresetFileIo.h"
#include "presets/PresetPanelLayout.h"
#include "toolkit/CBitmap.h"
#include "toolkit/CFontDesc.h"
#include "toolkit/CFrame.h"
#include "toolkit/CNewFileSelector.h"
#include "toolkit/COptionMenu.h"
#include "toolkit/CTextEdit.h"

using namespace velda::gui;
namespace presets = velda::presets;
namespace layout = velda::layout;

namespace {

constexpr uint32_t kIdlePeriodMs = 50;
constexpr int32_t kMenuItemsPerColumn = 15;
constexpr size_t kNameSize = CPresetSystemEffect::kProgramNameSize;
constexpr size_t kMaxLocationLength = presets::locationBufferSize - 1;

constexpr CColor kNameFontColor{36, 36, 32, 255};
constexpr CColor kNameBackColor{209, 227, 238, 255};
constexpr CColor kNameFrameColor{36, 36, 32, 255};

std::string nameText(const char* field) { return std::string(field, strnlen(field, kNameSize)); }

std::string cutName(const char* text) { return std::string(text ? text : "", text ? strnlen(text, kNameSize) : 0); }

std::string workingDirectory()
{
    // A folder the narrow character set cannot spell starts the panel without one.
    try {
        std::error_code error;
        const auto path = std::filesystem::current_path(error);
        if (error) return {};
        std::string text = path.string();
        return text.size() <= kMaxLocationLength ? text : std::string();
    } catch (...) {
        return {};
    }
}

const presets::PresetFileType& fileTypeOf(bool bank) { return bank ? presets::bankFileType : presets::presetFileType; }

}  // namespace

CPresetSystemEditor::CPresetSystemEditor(AudioEffect* e) : AEffGUIEditor(e), currentFolder(workingDirectory()) {}

CPresetSystemEditor::~CPresetSystemEditor()
{
    idleTimer.reset();
    storeRecentLocations();
}

void CPresetSystemEditor::setPresetPanel(const layout::PanelPlacement& p, const char* registryKeyName)
{
    placement = p;
    hasPlacement = true;
    registryKey = registryKeyName ? registryKeyName : "";
}

bool CPresetSystemEditor::isPanelTag(int32_t tag) const
{
    if (!hasPlacement) return false;
    for (const auto& control : layout::presetPanelControls())
        if (tag == placement.tagBase + control.tagOffset) return true;
    return false;
}

CPresetSystemEffect* CPresetSystemEditor::presetEffect() const
{
    auto* e = dynamic_cast<CPresetSystemEffect*>(effect);
    return e && e->hasProgramTable() ? e : nullptr;
}

presets::RecordLayout CPresetSystemEditor::recordLayout() const
{
    CPresetSystemEffect* e = presetEffect();
    if (!e) return {0, 0, 0};
    return {e->getUniqueId(), e->programParamCount(), e->programCount()};
}

bool CPresetSystemEditor::isIdleTimerRunning() const { return idleTimer && idleTimer->isRunning(); }

// ---------------------------------------------------------------------------------------------
// Panel

bool CPresetSystemEditor::open(void*)
{
    if (!frame || !presetEffect() || !hasPlacement) return false;
    if (nameField) return true;
    buildPanel();
    idleTimer = std::make_unique<velda::platform::Timer>(kIdlePeriodMs, [this] { idle(); });
    idleTimer->start();
    return true;
}

void CPresetSystemEditor::close()
{
    idleTimer.reset();
    nameField = nullptr;
    programMenu = nullptr;
    rocker = nullptr;
    loadBankButton = saveBankButton = loadPresetButton = savePresetButton = nullptr;
    defaultBankButton = defaultPresetButton = nullptr;
    storeAButton = storeBButton = recallAButton = recallBButton = nullptr;
}

void CPresetSystemEditor::buildPanel()
{
    CPresetSystemEffect* e = presetEffect();
    const int current = e->getCurrentProgramIndex();
    const int32_t base = placement.tagBase;
    auto* panelBackground = new CBitmap(placement.background);

    for (const auto& spec : layout::presetPanelControls()) {
        const layout::Rect r = layout::panelControlRect(spec, placement);
        CRect rect(r.left, r.top, r.right, r.bottom);
        const int32_t tag = base + spec.tagOffset;
        CBitmap* bitmap = spec.bitmap ? new CBitmap(spec.bitmap) : nullptr;
        const CCoord imageHeight =
            bitmap && bitmap->isLoaded() ? bitmap->getHeight() / spec.images : rect.height();
        CControl* control = nullptr;
        switch (spec.kind) {
        case layout::PanelControlKind::nameField: {
            const CCoord middle = (placement.smallRowTop + placement.smallRowBottom) / 2.0;
            const CCoord half = kNormalFontSmall->getSize() / 2.0;
            rect.top = middle - half - 2;
            rect.bottom = middle + half + 2;
            nameField = new CTextEdit(rect, this, tag, nameText(e->programName(current)).c_str(), panelBackground);
            nameField->setBackOffset(CPoint(rect.left, rect.top));
            nameField->setFont(kNormalFontSmall);
            nameField->setFontColor(kNameFontColor);
            nameField->setBackColor(kNameBackColor);
            nameField->setFrameColor(kNameFrameColor);
            nameField->setHoriAlign(kCenterText);
            control = nameField;
            break;
        }
        case layout::PanelControlKind::programMenu:
            programMenu = new COptionMenu(rect, this, tag, panelBackground, nullptr,
                                          kPopupStyle | kCheckStyle | kNoTextStyle | kNoDrawStyle);
            programMenu->setBackOffset(CPoint(rect.left, rect.top));
            programMenu->setNbItemsPerColumn(kMenuItemsPerColumn);
            for (int i = 0; i < e->programCount(); ++i) programMenu->addEntry(nameText(e->programName(i)).c_str());
            programMenu->setCurrent(current);
            control = programMenu;
            break;
        case layout::PanelControlKind::rocker:
            rocker = new CPSRockerSwitch(rect, this, tag, imageHeight, bitmap);
            control = rocker;
            break;
        case layout::PanelControlKind::saveLoadButton: {
            auto* button = new CSaveLoadButton(rect, this, tag, imageHeight, bitmap);
            CSaveLoadButton** slot = spec.tagOffset == kLoadBankTag   ? &loadBankButton
                                     : spec.tagOffset == kSaveBankTag ? &saveBankButton
                                     : spec.tagOffset == kLoadPresetTag ? &loadPresetButton
                                                                        : &savePresetButton;
            *slot = button;
            control = button;
            break;
        }
        case layout::PanelControlKind::kickButton:
        case layout::PanelControlKind::doubleClickButton: {
            const bool doubleClick = spec.kind == layout::PanelControlKind::doubleClickButton;
            auto* button = new CPSKickButton(rect, this, tag, imageHeight, bitmap, doubleClick);
            CPSKickButton** slot = spec.tagOffset == kDefaultBankTag     ? &defaultBankButton
                                   : spec.tagOffset == kDefaultPresetTag ? &defaultPresetButton
                                   : spec.tagOffset == kStoreATag        ? &storeAButton
                                   : spec.tagOffset == kStoreBTag        ? &storeBButton
                                   : spec.tagOffset == kRecallATag       ? &recallAButton
                                                                         : &recallBButton;
            *slot = button;
            control = button;
            break;
        }
        }
        if (bitmap) bitmap->forget();
        if (control) frame->addView(control);
    }
    panelBackground->forget();
}

void CPresetSystemEditor::idle()
{
    refreshProgramMenu();
    AEffGUIEditor::idle();
}

// Keeps menu and name field true to the table when programs change behind the panel's back
// (a host restoring its state chunk while the editor is open).
void CPresetSystemEditor::refreshProgramMenu()
{
    CPresetSystemEffect* e = presetEffect();
    if (!e || !programMenu || !nameField) return;
    for (int i = 0; i < e->programCount() && i < programMenu->getNbEntries(); ++i) {
        const std::string name = nameText(e->programName(i));
        if (name != programMenu->getEntry(i)) programMenu->setEntry(i, name.c_str());
    }
    const int current = e->getCurrentProgramIndex();
    if (programMenu->getCurrent() != current) programMenu->setCurrent(current);
    if (!nameField->isEditing()) {
        const std::string name = nameText(e->programName(current));
        if (name != nameField->getText()) nameField->setText(name.c_str());
    }
}

void CPresetSystemEditor::showProgramName(int index, const char* name)
{
    if (nameField) nameField->setText(name);
    if (programMenu) programMenu->setEntry(index, name);
}

void CPresetSystemEditor::programNameChanged(const char* name)
{
    CPresetSystemEffect* e = presetEffect();
    if (!e) return;
    showProgramName(e->getCurrentProgramIndex(), cutName(name).c_str());
}

void CPresetSystemEditor::applyProgram(int index)
{
    CPresetSystemEffect* e = presetEffect();
    if (!e || index < 0 || index >= e->programCount()) return;
    const std::string name = nameText(e->programName(index));
    if (programMenu) programMenu->setCurrent(index);
    if (nameField) nameField->setText(name.c_str());
    e->selectProgram(index);
    e->setCurrentProgramName(name.c_str());
}

void CPresetSystemEditor::renameCurrentProgram(const char* text)
{
    CPresetSystemEffect* e = presetEffect();
    if (!e) return;
    const std::string name = cutName(text);
    showProgramName(e->getCurrentProgramIndex(), name.c_str());
    e->setCurrentProgramName(name.c_str());
}

void CPresetSystemEditor::beginEdit(int32_t index)
{
    if (!isPanelTag(index)) AEffGUIEditor::beginEdit(index);
}

void CPresetSystemEditor::endEdit(int32_t index)
{
    if (!isPanelTag(index)) AEffGUIEditor::endEdit(index);
}

void CPresetSystemEditor::valueChanged(CControl* control)
{
    if (!control || !isPanelTag(control->getTag())) return;
    CPresetSystemEffect* e = presetEffect();
    if (!e) return;
    const float value = control->getValue();
    switch (control->getTag() - placement.tagBase) {
    case kNameTag:
        if (control == nameField) renameCurrentProgram(nameField->getText());
        break;
    case kRockerTag: {
        const int current = e->getCurrentProgramIndex();
        if (value > 0) applyProgram(current + 1 < e->programCount() ? current + 1 : current);
        else if (value < 0) applyProgram(current > 0 ? current - 1 : 0);
        break;
    }
    case kLoadBankTag: loadBank(value == 0.5f); break;
    case kSaveBankTag: saveBank(); break;
    case kLoadPresetTag: loadPreset(value == 0.5f); break;
    case kSavePresetTag: savePreset(); break;
    case kMenuTag: {
        if (control != programMenu) break;
        const int chosen = int(value + 0.5f);
        if (chosen < 0 || chosen >= e->programCount() || chosen >= programMenu->getNbEntries()) break;
        programMenu->setCurrent(chosen);
        const std::string title = programMenu->getEntry(chosen);
        e->selectProgram(chosen);
        e->setCurrentProgramName(title.c_str());
        if (nameField) nameField->setText(title.c_str());
        break;
    }
    case kDefaultBankTag: value < 0.75f ? deleteDefaultBank() : storeDefaultBank(); break;
    case kDefaultPresetTag: value < 0.75f ? deleteDefaultPreset() : storeDefaultPreset(); break;
    case kStoreATag: storeMemo(Memo::A); break;
    case kStoreBTag: storeMemo(Memo::B); break;
    case kRecallATag: recallMemo(Memo::A); break;
    case kRecallBTag: recallMemo(Memo::B); break;
    default: break;
    }
}

// ---------------------------------------------------------------------------------------------
// Records

std::vector<uint8_t> CPresetSystemEditor::saveBankRecord()
{
    CPresetSystemEffect* e = presetEffect();
    if (!e) return {};
    const auto layout = recordLayout();
    return presets::makeBankRecord(layout, std::span<const uint8_t>(e->programRecord(0), layout.tableSize()));
}

std::vector<uint8_t> CPresetSystemEditor::savePresetRecord()
{
    CPresetSystemEffect* e = presetEffect();
    if (!e) return {};
    const auto layout = recordLayout();
    return presets::makePresetRecord(
        layout, std::span<const uint8_t>(e->programRecord(e->getCurrentProgramIndex()), layout.programRecordSize()));
}

bool CPresetSystemEditor::loadPresetRecord(std::span<const uint8_t> record, bool reversed)
{
    CPresetSystemEffect* e = presetEffect();
    if (!e) return false;
    const int current = e->getCurrentProgramIndex();
    const auto layout = recordLayout();
    const std::span<uint8_t> program(e->programRecord(current), layout.programRecordSize());
    if (presets::readPresetRecord(layout, record, reversed, program) != presets::RecordResult::Loaded) return false;
    const std::string name = nameText(e->programName(current));
    showProgramName(current, name.c_str());
    e->setCurrentProgramName(name.c_str());
    e->selectProgram(current);
    return true;
}

bool CPresetSystemEditor::loadBankRecord(std::span<const uint8_t> record, bool reversed)
{
    CPresetSystemEffect* e = presetEffect();
    if (!e) return false;
    e->selectProgram(0);
    const auto layout = recordLayout();
    const std::span<uint8_t> table(e->programRecord(0), layout.tableSize());
    if (presets::readBankRecord(layout, record, reversed, table) != presets::RecordResult::Loaded) return false;
    for (int i = 0; programMenu && i < e->programCount(); ++i) {
        programMenu->setCurrent(i);
        programMenu->setEntry(i, nameText(e->programName(i)).c_str());
    }
    if (programMenu) programMenu->setCurrent(0);
    if (nameField) nameField->setText(nameText(e->programName(0)).c_str());
    e->selectProgram(0);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Files

std::string CPresetSystemEditor::rememberChosenPath(FileKind kind, const std::string& path)
{
    const auto chosen = presets::splitChosenPath(path);
    if (!chosen) return presets::joinPath(currentFolder, path);
    // Locations longer than the store keeps are used but not remembered.
    if (chosen->folder.size() <= kMaxLocationLength && chosen->fileName.size() <= kMaxLocationLength) {
        currentFolder = chosen->folder;
        (kind == FileKind::Bank ? currentBankFile : currentPresetFile) = chosen->fileName;
    }
    return path;
}

void CPresetSystemEditor::loadFile(FileKind kind, bool reversed)
{
    if (!frame) return;
    CNewFileSelector* selector = CNewFileSelector::create(frame, CNewFileSelector::kSelectFile);
    if (!selector) return;
    const bool bank = kind == FileKind::Bank;
    if (bank) selector->setTitle(reversed ? "Load bank (endian-reversed)" : "Load bank");
    else selector->setTitle(reversed ? "Load preset (endian-reversed)" : "Load preset");
    selector->setInitialDirectory(currentFolder.c_str());
    selector->addFileExtension(CFileExtension(fileTypeOf(bank).description, fileTypeOf(bank).extension));
    selector->setAllowMultiFileSelection(false);
    const bool chosen = selector->runModal() && selector->getNumSelectedFiles() == 1;
    const std::string path = chosen ? selector->getSelectedFile(0) : "";
    selector->forget();
    if (!chosen || !presetEffect()) return;

    const auto layout = recordLayout();
    const std::string fullPath = rememberChosenPath(kind, path);
    const auto bytes = presets::readRecordFile(fullPath, bank ? layout.bankRecordSize() : layout.presetRecordSize());
    if (bank) loadBankRecord(bytes, reversed);
    else loadPresetRecord(bytes, reversed);
    if (frame) frame->invalidateArea(frame->getViewSize());
}

void CPresetSystemEditor::saveFile(FileKind kind)
{
    if (!frame) return;
    CNewFileSelector* selector = CNewFileSelector::create(frame, CNewFileSelector::kSelectSaveFile);
    if (!selector) return;
    const bool bank = kind == FileKind::Bank;
    selector->setTitle(bank ? "Save bank" : "Save preset");
    selector->setInitialDirectory(currentFolder.c_str());
    selector->setDefaultSaveName((bank ? currentBankFile : currentPresetFile).c_str());
    selector->setDefaultExtension(CFileExtension(fileTypeOf(bank).description, fileTypeOf(bank).extension));
    const bool chosen = selector->runModal() && selector->getNumSelectedFiles() == 1;
    const std::string path = chosen ? selector->getSelectedFile(0) : "";
    selector->forget();
    if (!chosen) return;

    const std::string fullPath = rememberChosenPath(kind, path);
    const auto record = bank ? saveBankRecord() : savePresetRecord();
    if (!record.empty()) presets::writeRecordFile(fullPath, record);
}

void CPresetSystemEditor::loadPreset(bool reversed) { loadFile(FileKind::Preset, reversed); }
void CPresetSystemEditor::savePreset() { saveFile(FileKind::Preset); }
void CPresetSystemEditor::loadBank(bool reversed) { loadFile(FileKind::Bank, reversed); }
void CPresetSystemEditor::saveBank() { saveFile(FileKind::Bank); }

// ---------------------------------------------------------------------------------------------
// Per-user store

void CPresetSystemEditor::storeDefaultBank()
{
    const auto record = saveBankRecord();
    if (!registryKey.empty() && !record.empty())
        presets::storeRecord(registryKey, presets::StoredRecord::DefaultBank, record);
}

void CPresetSystemEditor::deleteDefaultBank()
{
    if (!registryKey.empty()) presets::deleteRecord(registryKey, presets::StoredRecord::DefaultBank);
}

void CPresetSystemEditor::storeDefaultPreset()
{
    const auto record = savePresetRecord();
    if (!registryKey.empty() && !record.empty())
        presets::storeRecord(registryKey, presets::StoredRecord::DefaultPreset, record);
}

void CPresetSystemEditor::deleteDefaultPreset()
{
    if (!registryKey.empty()) presets::deleteRecord(registryKey, presets::StoredRecord::DefaultPreset);
}

void CPresetSystemEditor::storeMemo(Memo memo)
{
    const auto record = savePresetRecord();
    if (registryKey.empty() || record.empty()) return;
    presets::storeRecord(registryKey, memo == Memo::A ? presets::StoredRecord::MemoA : presets::StoredRecord::MemoB,
                         record);
}

void CPresetSystemEditor::recallMemo(Memo memo)
{
    if (registryKey.empty() || !presetEffect()) return;
    const auto which = memo == Memo::A ? presets::StoredRecord::MemoA : presets::StoredRecord::MemoB;
    loadPresetRecord(presets::readStoredRecord(registryKey, which, recordLayout().presetRecordSize()), false);
}

void CPresetSystemEditor::loadRegistryDefaults()
{
    if (registryKey.empty()) return;
    const auto layout = recordLayout();
    if (presetEffect()) {
        loadBankRecord(presets::readStoredRecord(registryKey, presets::StoredRecord::DefaultBank, layout.bankRecordSize()),
                       false);
        loadPresetRecord(
            presets::readStoredRecord(registryKey, presets::StoredRecord::DefaultPreset, layout.presetRecordSize()),
            false);
    }
    const auto locations = presets::readRecentLocations(registryKey);
    currentFolder = locations.folder;
    currentBankFile = locations.bankFileName;
    currentPresetFile = locations.presetFileName;
}

void CPresetSystemEditor::storeRecentLocations()
{
    if (registryKey.empty()) return;
    presets::storeRecentLocations(registryKey, {currentFolder, currentBankFile, currentPresetFile});
}
