#include "shell/AudioEffectX.h"

#include <cstdio>
#include <cstring>

#include "shell/AEffEditor.h"

using namespace vst;

VstIntPtr AudioEffectX::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    switch (opcode) {
    case effCanBeAutomated:
        return 1;
    case effGetProgramNameIndexed:
        return getProgramNameIndexed((VstInt32)value, index, (char*)ptr) ? 1 : 0;
    case effGetInputProperties:
        return getInputProperties(index, (VstPinProperties*)ptr) ? 1 : 0;
    case effGetOutputProperties:
        return getOutputProperties(index, (VstPinProperties*)ptr) ? 1 : 0;
    case effGetPlugCategory:
        return getPlugCategory();
    case effSetSpeakerArrangement:
        return setSpeakerArrangement((VstSpeakerArrangement*)value, (VstSpeakerArrangement*)ptr) ? 1 : 0;
    case effGetEffectName:
        return getEffectName((char*)ptr) ? 1 : 0;
    case effGetVendorString:
        return getVendorString((char*)ptr) ? 1 : 0;
    case effGetProductString:
        return getProductString((char*)ptr) ? 1 : 0;
    case effGetVendorVersion:
        return getVendorVersion();
    case effCanDo:
        return canDo((char*)ptr);
    case effGetParameterProperties:
        return getParameterProperties(index, (VstParameterProperties*)ptr) ? 1 : 0;
    case effGetVstVersion:
        return getVstVersion();
    case effEditKeyDown:
    case effEditKeyUp:
        if (editor) {
            VstKeyCode key{index, (unsigned char)value, (unsigned char)opt};
            return (opcode == effEditKeyDown ? editor->onKeyDown(key) : editor->onKeyUp(key)) ? 1 : 0;
        }
        return 0;
    case effSetEditKnobMode:
        if (editor) return editor->setKnobMode((VstInt32)value) ? 1 : 0;
        return 0;
    case effGetSpeakerArrangement:
        if (value) *(VstSpeakerArrangement**)value = nullptr;
        if (ptr) *(VstSpeakerArrangement**)ptr = nullptr;
        return 0;
    case effSetTotalSampleToProcess:
        return value;
    case effSetProcessPrecision:
        return 1;
    default:
        if (opcode >= effProcessEvents) return 0;
        return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    }
}

namespace {

bool pinProperties(VstInt32 index, VstPinProperties* properties, const char* format)
{
    if (index < 0 || index > 1 || !properties) return false;
    std::snprintf(properties->label, sizeof properties->label, format, index + 1);
    properties->flags = index == 0 ? (kVstPinIsActive | kVstPinIsStereo) : kVstPinIsActive;
    return true;
}

}  // namespace

bool AudioEffectX::getInputProperties(VstInt32 index, VstPinProperties* properties)
{
    return pinProperties(index, properties, "My %1d In");
}

bool AudioEffectX::getOutputProperties(VstInt32 index, VstPinProperties* properties)
{
    return pinProperties(index, properties, "My %1d Out");
}

bool AudioEffectX::getEffectName(char*) { return false; }
bool AudioEffectX::getVendorString(char*) { return false; }
bool AudioEffectX::getProductString(char*) { return false; }

bool AudioEffectX::updateDisplay() { return callHost(audioMasterUpdateDisplay) != 0; }
bool AudioEffectX::beginEdit(VstInt32 index) { return callHost(audioMasterBeginEdit, index) != 0; }
bool AudioEffectX::endEdit(VstInt32 index) { return callHost(audioMasterEndEdit, index) != 0; }

VstInt32 AudioEffectX::updateBlockSize()
{
    VstInt32 size = (VstInt32)callHost(audioMasterGetBlockSize);
    if (size > 0) blockSize = size;
    return blockSize;
}

float AudioEffectX::updateSampleRate()
{
    VstIntPtr rate = callHost(audioMasterGetSampleRate);
    if (rate > 0) sampleRate = (float)rate;
    return sampleRate;
}

VstInt32 AudioEffectX::getInputLatency() { return (VstInt32)callHost(audioMasterGetInputLatency); }
VstInt32 AudioEffectX::getOutputLatency() { return (VstInt32)callHost(audioMasterGetOutputLatency); }
VstTimeInfo* AudioEffectX::getTimeInfo(VstInt32 filter)
{
    return (VstTimeInfo*)callHost(audioMasterGetTime, 0, filter);
}
bool AudioEffectX::sendVstEventsToHost(VstEvents* events)
{
    return callHost(audioMasterProcessEvents, 0, 0, events) == 1;
}
bool AudioEffectX::ioChanged() { return callHost(audioMasterIOChanged) != 0; }
bool AudioEffectX::sizeWindow(VstInt32 width, VstInt32 height)
{
    return callHost(audioMasterSizeWindow, width, height) != 0;
}
VstInt32 AudioEffectX::getCurrentProcessLevel() { return (VstInt32)callHost(audioMasterGetCurrentProcessLevel); }
VstInt32 AudioEffectX::getAutomationState() { return (VstInt32)callHost(audioMasterGetAutomationState); }
bool AudioEffectX::getHostVendorString(char* text)
{
    if (text) *text = 0;
    return callHost(audioMasterGetVendorString, 0, 0, text) != 0;
}
bool AudioEffectX::getHostProductString(char* text)
{
    if (text) *text = 0;
    return callHost(audioMasterGetProductString, 0, 0, text) != 0;
}
VstInt32 AudioEffectX::getHostVendorVersion() { return (VstInt32)callHost(audioMasterGetVendorVersion); }
VstIntPtr AudioEffectX::hostVendorSpecific(VstInt32 lArg1, VstIntPtr lArg2, void* ptrArg, float floatArg)
{
    return callHost(audioMasterVendorSpecific, lArg1, lArg2, ptrArg, floatArg);
}
VstInt32 AudioEffectX::canHostDo(char* text) { return callHost(audioMasterCanDo, 0, 0, text) != 0 ? 1 : 0; }
VstInt32 AudioEffectX::getHostLanguage() { return (VstInt32)callHost(audioMasterGetLanguage); }
void* AudioEffectX::getDirectory() { return (void*)callHost(audioMasterGetDirectory); }
bool AudioEffectX::openFileSelector(void* fileSelect)
{
    return fileSelect && callHost(audioMasterOpenFileSelector, 0, 0, fileSelect) != 0;
}
bool AudioEffectX::closeFileSelector(void* fileSelect)
{
    return fileSelect && callHost(audioMasterCloseFileSelector, 0, 0, fileSelect) != 0;
}
bool AudioEffectX::offlineStart(void* audioFiles, VstInt32 numAudioFiles, VstInt32 numNewAudioFiles)
{
    return callHost(audioMasterOfflineStart, numNewAudioFiles, numAudioFiles, audioFiles) != 0;
}
bool AudioEffectX::offlineRead(void* offline, VstInt32 option, bool readSource)
{
    return callHost(audioMasterOfflineRead, readSource, option, offline) != 0;
}
bool AudioEffectX::offlineWrite(void* offline, VstInt32 option)
{
    return callHost(audioMasterOfflineWrite, 0, option, offline) != 0;
}
VstInt32 AudioEffectX::offlineGetCurrentPass() { return callHost(audioMasterOfflineGetCurrentPass) != 0; }
VstInt32 AudioEffectX::offlineGetCurrentMetaPass() { return callHost(audioMasterOfflineGetCurrentMetaPass) != 0; }
