#include "shell/AudioEffect.h"

#include <cmath>
#include <cstring>

#include "shell/AEffEditor.h"

using namespace vst;

namespace {

AudioEffect* objectOf(AEffect* e) { return static_cast<AudioEffect*>(e->object); }

VstIntPtr dispatchEntry(AEffect* e, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    AudioEffect* effect = objectOf(e);
    if (opcode == effClose) {
        effect->dispatcher(opcode, index, value, ptr, opt);
        delete effect;
        return 1;
    }
    return effect->dispatcher(opcode, index, value, ptr, opt);
}

void processEntry(AEffect* e, float** in, float** out, VstInt32 n) { objectOf(e)->process(in, out, n); }
void processReplacingEntry(AEffect* e, float** in, float** out, VstInt32 n)
{
    objectOf(e)->processReplacing(in, out, n);
}
void processDoubleEntry(AEffect* e, double** in, double** out, VstInt32 n)
{
    objectOf(e)->processDoubleReplacing(in, out, n);
}
void setParameterEntry(AEffect* e, VstInt32 index, float value) { objectOf(e)->setParameter(index, value); }
float getParameterEntry(AEffect* e, VstInt32 index) { return objectOf(e)->getParameter(index); }

}  // namespace

AudioEffect::AudioEffect(audioMasterCallback host, int programs, int params)
    : audioMaster(host), numPrograms(programs), numParams(params)
{
    std::memset(&cEffect, 0, sizeof(cEffect));
    cEffect.magic = kEffectMagic;
    cEffect.dispatcher = dispatchEntry;
    cEffect.process = processEntry;
    cEffect.setParameter = setParameterEntry;
    cEffect.getParameter = getParameterEntry;
    cEffect.processReplacing = processReplacingEntry;
    cEffect.processDoubleReplacing = processDoubleEntry;
    cEffect.numPrograms = programs;
    cEffect.numParams = params;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.flags = effFlagsCanReplacing;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.uniqueID = fourCC('N', 'o', 'E', 'f');
    cEffect.version = 1;
}

AudioEffect::~AudioEffect() { delete editor; }

void AudioEffect::setEditor(AEffEditor* e)
{
    editor = e;
    setFlag(effFlagsHasEditor, e != nullptr);
}

void AudioEffect::setFlag(VstInt32 bit, bool state)
{
    if (state)
        cEffect.flags |= bit;
    else
        cEffect.flags &= ~bit;
}

VstIntPtr AudioEffect::callHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    return audioMaster ? audioMaster(&cEffect, opcode, index, value, ptr, opt) : 0;
}

VstIntPtr AudioEffect::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    switch (opcode) {
    case effOpen:
        open();
        return 0;
    case effClose:
        close();
        return 1;
    case effSetProgram:
        if (value < numPrograms) setProgram((VstInt32)value);
        return 0;
    case effGetProgram:
        return getProgram();
    case effSetProgramName:
        setProgramName((char*)ptr);
        return 0;
    case effGetProgramName:
        getProgramName((char*)ptr);
        return 0;
    case effGetParamLabel:
        getParameterLabel(index, (char*)ptr);
        return 0;
    case effGetParamDisplay:
        getParameterDisplay(index, (char*)ptr);
        return 0;
    case effGetParamName:
        getParameterName(index, (char*)ptr);
        return 0;
    case effSetSampleRate:
        setSampleRate(opt);
        return 0;
    case effSetBlockSize:
        setBlockSize((VstInt32)value);
        return 0;
    case effMainsChanged:
        if (value == 0)
            suspend();
        else
            resume();
        return 0;
    case effEditGetRect:
        if (editor) return editor->getRect((ERect**)ptr) ? 1 : 0;
        return 0;
    case effEditOpen:
        if (editor) return editor->open(ptr) ? 1 : 0;
        return 0;
    case effEditClose:
        if (editor) editor->close();
        return 0;
    case effEditIdle:
        if (editor) editor->idle();
        return 0;
    case effIdentify:
        return fourCC('N', 'v', 'E', 'f');
    case effGetChunk:
        return getChunk((void**)ptr, index != 0);
    case effSetChunk:
        return setChunk(ptr, (VstInt32)value, index != 0);
    default:
        return 0;
    }
}

void AudioEffect::setParameterAutomated(VstInt32 index, float value)
{
    setParameter(index, value);
    callHost(audioMasterAutomate, index, 0, nullptr, value);
}

VstInt32 AudioEffect::getMasterVersion()
{
    VstInt32 version = (VstInt32)callHost(audioMasterVersion);
    return version ? version : 1;
}

VstInt32 AudioEffect::getCurrentUniqueId() { return (VstInt32)callHost(audioMasterCurrentId); }

void AudioEffect::masterIdle() { callHost(audioMasterIdle); }

bool AudioEffect::isInputConnected(VstInt32 input) { return callHost(audioMasterPinConnected, input, 0) == 0; }

bool AudioEffect::isOutputConnected(VstInt32 output) { return callHost(audioMasterPinConnected, output, 1) == 0; }

namespace {

void copyTruncated(char* text, const char* source, int maxLen)
{
    int i = 0;
    for (; i < maxLen && source[i]; ++i) text[i] = source[i];
    for (; i < maxLen; ++i) text[i] = 0;
    text[maxLen] = 0;
}

}  // namespace

void AudioEffect::float2string(float value, char* text, int maxLen)
{
    if ((value < 0 && -value > 9999999.0f) || (value >= 0 && value > 99999999.0f)) {
        copyTruncated(text, "Huge!", maxLen);
        return;
    }
    const bool negative = value < 0;
    const float magnitude = negative ? -value : value;
    char digits[16];
    int pos = 15;
    digits[pos] = 0;
    int c = negative ? 1 : 0;
    long long integer = (long long)std::floor(magnitude);
    digits[--pos] = '.';
    digits[--pos] = (char)('0' + integer % 10);
    c += 2;
    integer /= 10;
    while (integer >= 1 && c < 8) {
        digits[--pos] = (char)('0' + integer % 10);
        integer /= 10;
        ++c;
    }
    if (negative) digits[--pos] = '-';
    copyTruncated(text, digits + pos, maxLen);
    if (c >= 8) return;

    const int fractionDigits = 8 - c;
    double m = std::fmod((double)magnitude, 1.0) * std::pow(10.0, fractionDigits);
    char fraction[9];
    fraction[fractionDigits] = 0;
    for (int i = fractionDigits - 1; i >= 0; --i) {
        if (m > 0) {
            fraction[i] = (char)('0' + (long long)m % 10);
            m = std::floor(m / 10.0);
        } else {
            fraction[i] = '0';
        }
    }
    int length = (int)std::strlen(text);
    for (int i = 0; fraction[i] && length < maxLen; ++i) text[length++] = fraction[i];
    if (length < maxLen) text[length] = 0;
    text[maxLen] = 0;
}
