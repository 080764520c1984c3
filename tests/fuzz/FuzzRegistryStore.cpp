// Whatever a damaged store holds under any of the names the plug-ins read, the readers
// answer defaults or well-formed values.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/Registry.h"
#include "platform/RegistryTestRoot.h"
#include "platform/RegistryValueFile.h"
#include "presets/PresetDefaults.h"
#include "presets/PresetFileRecord.h"
#include "shell/PreferenceStore.h"

using namespace velda;

namespace {

void check(bool condition)
{
    if (!condition) std::abort();
}

const presets::RecordLayout layouts[] = {{0x5151456C, 42, 30}, {0x5171456C, 48, 30}, {0x5171436D, 22, 13}};
const char* const keyNames[] = {"Emberline20", "Emberline10", "Cindermote10"};
const char* const valueNames[] = {"vuintegration", "vureference", "ppmintegration", "ppmreturn", "overcounter",
                                  "knobmode",      "DefaultBank", "DefaultPreset",  "MemoA",     "MemoB",
                                  "CurrDir",       "CurrBank",    "CurrPreset"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static platform::ScopedRegistryRoot root;
    static const bool keysMade = [] {
        for (const char* key : keyNames) check(platform::RegistryKey::createForWrite(key).has_value());
        return true;
    }();
    (void)keysMade;
    if (size < 1) return 0;
    const int product = (data[0] & 3) % 3;
    const char* valueName = valueNames[(data[0] >> 2) % std::size(valueNames)];
    const char* keyName = (data[0] >> 2) < 6 ? "Emberline20" : keyNames[product];
    const std::span<const std::uint8_t> rest(data + 1, size - 1);

    // Half the inputs are raw file contents, half well-formed files holding the bytes.
    const auto path = root.valueFilePath(keyName, valueName);
    check(path.has_value());
    {
        std::ofstream file(*path, std::ios::binary | std::ios::trunc);
        if (data[0] & 0x80) {
            const auto encoded = platform::encodeValueFile(valueName, platform::RegistryType::Binary, rest);
            file.write(reinterpret_cast<const char*>(encoded.data()), std::streamsize(encoded.size()));
        } else {
            file.write(reinterpret_cast<const char*>(rest.data()), std::streamsize(rest.size()));
        }
    }

    for (int p = 0; p < 6; ++p) {
        const float value = readPreference(static_cast<Preference>(p));
        check(std::isfinite(value) && value >= 0.0f && value <= 1.0f);
    }
    const auto& layout = layouts[product];
    std::vector<std::uint8_t> table(layout.tableSize());
    std::vector<std::uint8_t> program(layout.programRecordSize());
    for (auto which : {presets::StoredRecord::DefaultBank, presets::StoredRecord::DefaultPreset,
                       presets::StoredRecord::MemoA, presets::StoredRecord::MemoB}) {
        const bool bank = which == presets::StoredRecord::DefaultBank;
        const auto stored = presets::readStoredRecord(keyName, which,
                                                      bank ? layout.bankRecordSize() : layout.presetRecordSize());
        check(stored.size() <= (bank ? layout.bankRecordSize() : layout.presetRecordSize()));
        if (bank)
            presets::readBankRecord(layout, stored, false, table);
        else
            presets::readPresetRecord(layout, stored, false, program);
    }
    const auto locations = presets::readRecentLocations(keyName);
    check(locations.folder.size() <= 256 && locations.bankFileName.size() <= 256 &&
          locations.presetFileName.size() <= 256);
    return 0;
}
