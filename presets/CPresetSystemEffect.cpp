#include "presets/CPresetSystemEffect.h"

#include <cmath>
#include <cstring>
#include <new>

#include "shell/AEffEditor.h"

using namespace vst;

namespace {

uint32_t readWord(const uint8_t* at)
{
    uint32_t word;
    std::memcpy(&word, at, sizeof(word));
    return word;
}

void writeWord(uint8_t* at, uint32_t word) { std::memcpy(at, &word, sizeof(word)); }

}  // namespace

CPresetSystemEffect::CPresetSystemEffect(audioMasterCallback host, int params, int programs,
                                         const velda::FactoryProgram* factory)
    : AudioEffectX(host, 1, params), paramCount(params), programTotal(programs), factoryPrograms(factory)
{
    programsAreChunks(true);
    chunkBuffer.reset(new (std::nothrow) uint8_t[chunkSize()]);
    table.reset(new (std::nothrow) uint8_t[programRecordSize() * (size_t)programTotal]);
    initFactoryPrograms();
    currentProgram = 0;
}

CPresetSystemEffect::~CPresetSystemEffect() = default;

void CPresetSystemEffect::storeProgramName(char* field, const char* name)
{
    int i = 0;
    for (; i < kProgramNameSize && name[i]; ++i) field[i] = name[i];
    for (; i < kProgramNameSize; ++i) field[i] = 0;
}

void CPresetSystemEffect::byteSwap32(void* word)
{
    uint8_t* b = static_cast<uint8_t*>(word);
    uint8_t t = b[0];
    b[0] = b[3];
    b[3] = t;
    t = b[1];
    b[1] = b[2];
    b[2] = t;
}

int CPresetSystemEffect::getCurrentProgramIndex() { return currentProgram; }

void CPresetSystemEffect::selectProgram(int index)
{
    programLoading = true;
    curProgram = 0;
    currentProgram = index;
    if (table) {
        const float* values = programValues(index);
        for (int i = 0; i < paramCount; ++i) setParameter(i, values[i]);
    }
    updateDisplay();
    programLoading = false;
}

void CPresetSystemEffect::setCurrentProgramName(const char* name)
{
    curProgram = 0;
    if (name && table) storeProgramName(programName(currentProgram), name);
    updateDisplay();
}

int CPresetSystemEffect::getUniqueId() { return cEffect.uniqueID; }

void CPresetSystemEffect::loadEditorDefaults()
{
    if (editor) editor->loadDefaults();
}

void CPresetSystemEffect::initFactoryPrograms()
{
    if (!table || !factoryPrograms) return;
    for (int p = 0; p < programTotal; ++p) {
        storeProgramName(programName(p), factoryPrograms[p].name);
        float* values = programValues(p);
        for (int i = 0; i < paramCount; ++i) values[i] = (float)factoryPrograms[p].values[i];
    }
}

void CPresetSystemEffect::setParameter(VstInt32 index, float value)
{
    if (table && index >= 0 && index < paramCount) programValues(currentProgram)[index] = value;
}

float CPresetSystemEffect::getParameter(VstInt32) { return -1.0f; }

void CPresetSystemEffect::setProgramName(char* name)
{
    curProgram = 0;
    if (!table || !name) return;
    storeProgramName(programName(currentProgram), name);
    if (editor) {
        char terminated[kProgramNameSize + 1];
        std::memcpy(terminated, programName(currentProgram), kProgramNameSize);
        terminated[kProgramNameSize] = 0;
        editor->programNameChanged(terminated);
    }
}

void CPresetSystemEffect::getProgramName(char* text)
{
    curProgram = 0;
    if (!table) {
        *text = 0;
        return;
    }
    std::memcpy(text, programName(currentProgram), kProgramNameSize);
    text[kProgramNameSize] = 0;
}

bool CPresetSystemEffect::getProgramNameIndexed(VstInt32, VstInt32 index, char* text)
{
    if (!table || index < 0 || index >= programTotal) return false;
    std::memcpy(text, programName(index), kProgramNameSize);
    text[kProgramNameSize] = 0;
    return true;
}

VstInt32 CPresetSystemEffect::getChunk(void** data, bool)
{
    curProgram = 0;
    if (!chunkBuffer || !table) return 0;
    uint8_t* chunk = chunkBuffer.get();
    std::memset(chunk, 0, chunkSize());
    writeWord(chunk, kChunkFormat);
    writeWord(chunk + 4, (uint32_t)getUniqueId());
    writeWord(chunk + 8, (uint32_t)programTotal);
    writeWord(chunk + 12, (uint32_t)currentProgram);
    std::memcpy(chunk + kChunkHeaderSize, table.get(), programRecordSize() * (size_t)programTotal);
    *data = chunk;
    return (VstInt32)chunkSize();
}

VstInt32 CPresetSystemEffect::setChunk(void* data, VstInt32 byteSize, bool)
{
    curProgram = 0;
    if (!chunkBuffer || !table || !data || byteSize < 0 || (size_t)byteSize != chunkSize()) return -1;
    uint8_t* chunk = chunkBuffer.get();
    std::memcpy(chunk, data, chunkSize());

    const uint32_t ownId = (uint32_t)getUniqueId();
    const uint32_t storedId = readWord(chunk + 4);
    if (storedId != ownId) {
        uint32_t reversedId = ownId;
        byteSwap32(&reversedId);
        if (storedId != reversedId) return -1;
        byteSwap32(chunk);
        for (int offset = 8; offset < kChunkHeaderSize; offset += 4) byteSwap32(chunk + offset);
        for (int p = 0; p < programTotal; ++p) {
            uint8_t* values = chunk + kChunkHeaderSize + programRecordSize() * (size_t)p + kProgramNameSize;
            for (int i = 0; i < paramCount; ++i) byteSwap32(values + 4 * i);
        }
    }
    // A chunk of an unknown format is refused like every other bad chunk, not reported as loaded.
    if (readWord(chunk) != kChunkFormat) return -1;
    if ((int32_t)readWord(chunk + 8) != programTotal) return -1;

    // A damaged project must not feed non-finite values into the processing.
    for (int p = 0; p < programTotal; ++p) {
        const uint8_t* values = chunk + kChunkHeaderSize + programRecordSize() * (size_t)p + kProgramNameSize;
        for (int i = 0; i < paramCount; ++i) {
            float v;
            std::memcpy(&v, values + 4 * i, sizeof(v));
            if (!std::isfinite(v)) return -1;
        }
    }

    std::memcpy(table.get(), chunk + kChunkHeaderSize, programRecordSize() * (size_t)programTotal);
    const int32_t index = (int32_t)readWord(chunk + 12);
    if (index >= 0 && index < programTotal) selectProgram(index);
    return 0;
}
