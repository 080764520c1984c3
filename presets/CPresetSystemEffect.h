// The program table of a product effect and the state chunk that carries it to the host.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "presets/FactoryProgram.h"
#include "shell/AudioEffectX.h"

class CPresetSystemEffect : public AudioEffectX {
public:
    static constexpr int kProgramNameSize = 24;
    static constexpr int kChunkHeaderSize = 32;
    static constexpr uint32_t kChunkFormat = 0x01000000u;

    // factoryPrograms holds programCount entries of paramCount values each.
    CPresetSystemEffect(vst::audioMasterCallback host, int paramCount, int programCount,
                        const velda::FactoryProgram* factoryPrograms);
    ~CPresetSystemEffect() override;

    // Operations added to the effect, in their fixed order.
    virtual int getCurrentProgramIndex();
    virtual void selectProgram(int index);
    virtual void setCurrentProgramName(const char* name);
    virtual void reservedHook1() {}
    virtual void reservedHook2() {}
    virtual void reservedHook3() {}
    virtual int reservedQuery1() { return 0; }
    virtual int reservedQuery2() { return 0; }
    virtual bool reservedCheck() { return false; }
    virtual void reservedHook4() {}
    virtual void reservedHook5() {}
    virtual void reservedHook6() {}
    virtual void reservedHook7() {}
    virtual void reservedHook8() {}
    virtual int getUniqueId();
    virtual void loadEditorDefaults();
    virtual void initFactoryPrograms();
    virtual void reservedHook9() {}

    void resume() override {}
    void setParameter(vst::VstInt32 index, float value) override;
    float getParameter(vst::VstInt32 index) override;
    vst::VstInt32 getProgram() override { return 0; }
    void setProgram(vst::VstInt32) override {}
    void setProgramName(char* name) override;
    void getProgramName(char* text) override;
    vst::VstInt32 getChunk(void** data, bool isPreset) override;
    vst::VstInt32 setChunk(void* data, vst::VstInt32 byteSize, bool isPreset) override;
    bool getProgramNameIndexed(vst::VstInt32 category, vst::VstInt32 index, char* text) override;

    // The table as the editor's files and registry store see it: P records of
    // 24 name bytes followed by N 32-bit values.
    int programParamCount() const { return paramCount; }
    int programCount() const { return programTotal; }
    size_t programRecordSize() const { return kProgramNameSize + sizeof(float) * (size_t)paramCount; }
    size_t chunkSize() const { return kChunkHeaderSize + programRecordSize() * (size_t)programTotal; }
    bool hasProgramTable() const { return table != nullptr; }
    uint8_t* programRecord(int index) { return table.get() + programRecordSize() * (size_t)index; }
    char* programName(int index) { return reinterpret_cast<char*>(programRecord(index)); }
    float* programValues(int index) { return reinterpret_cast<float*>(programRecord(index) + kProgramNameSize); }
    bool isProgramLoading() const { return programLoading; }

    static void byteSwap32(void* word);

protected:
    // Copies at most 24 characters, zero-filled after the text.
    static void storeProgramName(char* field, const char* name);

    const int paramCount;
    const int programTotal;
    const velda::FactoryProgram* factoryPrograms;
    std::unique_ptr<uint8_t[]> table;
    std::unique_ptr<uint8_t[]> chunkBuffer;
    int currentProgram = 0;
    bool programLoading = false;
};
