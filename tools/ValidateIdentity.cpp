// Identity, texts, parameters, programs and latency: what a host reads before using a plug-in.
#include "tools/ProgramSelector.h"
#include "tools/ValidationChecks.h"

#include <cmath>
#include <cstring>
#include <vector>

using namespace vst;

namespace velda::tool {

namespace {

constexpr int kProbeSize = 1024;
constexpr unsigned char kSentinel = 0xA5;
constexpr int kExtendedParamStrLen = 32;  // what hosts give in practice for parameter texts

struct TextProbe {
    int length = -1;      // -1: no terminator within the hard limit
    bool overrun = false;  // bytes written at or past the hard limit
};

// Asks for a text into a sentinel-filled buffer; `hardLimit` bytes include the terminator.
TextProbe probeText(PluginHost& host, int opcode, int index, int hardLimit, VstIntPtr value = 0)
{
    std::vector<unsigned char> buffer(kProbeSize, kSentinel);
    host.dispatch(opcode, index, value, buffer.data());
    TextProbe probe;
    for (int i = 0; i < hardLimit; ++i)
        if (buffer[i] == 0) {
            probe.length = i;
            break;
        }
    for (int i = hardLimit; i < kProbeSize; ++i)
        if (buffer[i] != kSentinel) probe.overrun = true;
    return probe;
}

// Texts longer than `standardChars` warn; unterminated within `hardLimit` bytes or overruns fail.
struct TextTally {
    int longer = 0, broken = 0;
    std::string firstBroken, firstLonger;

    void add(const TextProbe& probe, int standardChars, const std::string& what)
    {
        if (probe.length < 0 || probe.overrun) {
            if (!broken++) firstBroken = what + (probe.overrun ? " writes past the buffer" : " is not terminated");
        } else if (probe.length > standardChars) {
            if (!longer++) firstLonger = what + " has " + std::to_string(probe.length) + " characters";
        }
    }
    CheckResult result(int total, int standardChars) const
    {
        if (broken) return CheckResult::fail(std::to_string(broken) + " broken, first: " + firstBroken);
        if (longer)
            return CheckResult::warn(std::to_string(longer) + " of " + std::to_string(total) + " longer than the standard " +
                                     std::to_string(standardChars) + " characters (first: " + firstLonger + ")");
        return CheckResult::pass(std::to_string(total) + " texts");
    }
};

}  // namespace

void validateIdentity(Validator& v)
{
    v.section("identity");
    auto host = v.loadOpen();
    AEffect* e = host->effect();

    v.check("effect record", [&] {
        if (e->magic != kEffectMagic) return CheckResult::fail("bad magic");
        if (!e->dispatcher || !e->setParameter || !e->getParameter) return CheckResult::fail("an entry is null");
        return CheckResult::pass("magic VstP");
    });
    v.check("flags", [&] {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%08X", (uint32_t)e->flags);
        if (!(e->flags & effFlagsCanReplacing) || !e->processReplacing)
            return CheckResult::fail(std::string(hex) + ": no replacing process entry");
        if ((e->flags & effFlagsCanDoubleReplacing) && !e->processDoubleReplacing)
            return CheckResult::fail(std::string(hex) + ": double replacing flagged but its entry is null");
        constexpr int32_t known = effFlagsHasEditor | effFlagsCanReplacing | effFlagsProgramChunks | effFlagsIsSynth |
                                  effFlagsNoSoundInStop | effFlagsCanDoubleReplacing;
        if (e->flags & ~known) return CheckResult::warn(std::string(hex) + ": bits outside VST 2.4");
        return CheckResult::pass(hex);
    });
    v.check("unique ID", [&] {
        if (e->uniqueID == 0) return CheckResult::fail("zero");
        std::string text = uniqueIdText(e->uniqueID);
        if (text.rfind("0x", 0) == 0) return CheckResult::warn(text + " is not four printable characters");
        return CheckResult::pass(text);
    });
    v.check("inputs and outputs", [&] {
        std::string detail = std::to_string(e->numInputs) + " in, " + std::to_string(e->numOutputs) + " out";
        if (e->numInputs < 0 || e->numInputs > 64 || e->numOutputs < 1 || e->numOutputs > 64) return CheckResult::fail(detail);
        return CheckResult::pass(detail);
    });
    v.check("VST version", [&] {
        VstIntPtr version = host->dispatch(effGetVstVersion);
        if (version < 2400) return CheckResult::warn("answers " + std::to_string((long)version));
        return CheckResult::pass(std::to_string((long)version));
    });
    v.check("category", [&] {
        VstIntPtr category = host->dispatch(effGetPlugCategory);
        if (category < 0 || category > kPlugCategGenerator) return CheckResult::warn("unknown " + std::to_string((long)category));
        return CheckResult::pass(std::to_string((long)category));
    });
    v.check("effect, vendor and product texts", [&] {
        TextTally tally;
        tally.add(probeText(*host, effGetEffectName, 0, 64), kVstMaxEffectNameLen - 1, "effect name");
        tally.add(probeText(*host, effGetVendorString, 0, 256), kVstMaxVendorStrLen - 1, "vendor string");
        tally.add(probeText(*host, effGetProductString, 0, 256), kVstMaxProductStrLen - 1, "product string");
        return tally.result(3, 63);
    });
    v.check("pin properties", [&] {
        int answered = 0;
        for (int output = 0; output < 2; ++output) {
            int count = output ? e->numOutputs : e->numInputs;
            for (int i = 0; i < count; ++i) {
                std::vector<unsigned char> buffer(kProbeSize, kSentinel);
                std::memset(buffer.data(), 0, sizeof(VstPinProperties));
                if (!host->dispatch(output ? effGetOutputProperties : effGetInputProperties, i, 0, buffer.data())) continue;
                ++answered;
                if (!std::memchr(buffer.data(), 0, kVstMaxLabelLen)) return CheckResult::fail("label of pin " + std::to_string(i) + " not terminated");
                for (size_t b = sizeof(VstPinProperties); b < buffer.size(); ++b)
                    if (buffer[b] != kSentinel) return CheckResult::fail("writes past the pin record");
            }
        }
        return CheckResult::pass(std::to_string(answered) + " answered");
    });
    v.check("parameter names, labels and displays", [&] {
        TextTally tally;
        for (int i = 0; i < e->numParams; ++i) {
            std::string at = " of parameter " + std::to_string(i);
            tally.add(probeText(*host, effGetParamName, i, kExtendedParamStrLen), kVstMaxParamStrLen, "name" + at);
            tally.add(probeText(*host, effGetParamLabel, i, kExtendedParamStrLen), kVstMaxParamStrLen, "label" + at);
            tally.add(probeText(*host, effGetParamDisplay, i, kExtendedParamStrLen), kVstMaxParamStrLen, "display" + at);
        }
        return tally.result(3 * e->numParams, kVstMaxParamStrLen);
    });
    v.check("parameter values in 0 to 1", [&] {
        for (int i = 0; i < e->numParams; ++i) {
            float value = host->getParameter(i);
            if (!(value >= 0.0f && value <= 1.0f))
                return CheckResult::fail("parameter " + std::to_string(i) + " is " + std::to_string(value));
        }
        return CheckResult::pass(std::to_string(e->numParams) + " parameters");
    });
    v.check("parameter properties", [&] {
        int answered = 0;
        for (int i = 0; i < e->numParams; ++i) {
            std::vector<unsigned char> buffer(kProbeSize, kSentinel);
            std::memset(buffer.data(), 0, sizeof(VstParameterProperties));
            if (!host->dispatch(effGetParameterProperties, i, 0, buffer.data())) continue;
            ++answered;
            VstParameterProperties p;
            std::memcpy(&p, buffer.data(), sizeof p);
            for (size_t b = sizeof(VstParameterProperties); b < buffer.size(); ++b)
                if (buffer[b] != kSentinel) return CheckResult::fail("parameter " + std::to_string(i) + ": writes past the record");
            if ((p.flags & kVstParameterUsesIntegerMinMax) && p.minInteger > p.maxInteger)
                return CheckResult::fail("parameter " + std::to_string(i) + ": minimum above maximum");
            if (!std::memchr(p.label, 0, sizeof p.label) || !std::memchr(p.shortLabel, 0, sizeof p.shortLabel))
                return CheckResult::fail("parameter " + std::to_string(i) + ": label not terminated");
        }
        return CheckResult::pass(std::to_string(answered) + " answered");
    });
    v.check("program names", [&] {
        if (e->numPrograms < 0) return CheckResult::fail("numPrograms " + std::to_string(e->numPrograms));
        int count = host->programCount();
        TextTally tally;
        for (int i = 0; i < count; ++i)
            tally.add(probeText(*host, effGetProgramNameIndexed, i, 64, -1), kVstMaxProgNameLen, "name of program " + std::to_string(i));
        if (count > 0) tally.add(probeText(*host, effGetProgramName, 0, 64), kVstMaxProgNameLen, "current program name");
        CheckResult result = tally.result(count + (count > 0), kVstMaxProgNameLen);
        if (result.outcome == CheckResult::Pass && host->programNameIndexed(count + 1000))
            return CheckResult::warn("answers a name for program " + std::to_string(count + 1000) + " of " + std::to_string(count));
        return result;
    });
    v.check("latency", [&] {
        int before = e->initialDelay;
        host->resume();
        int after = e->initialDelay;
        host->suspend();
        std::string detail = std::to_string(after) + " samples at 44100 Hz";
        if (before < 0 || after < 0 || after > 10 * 44100) return CheckResult::fail(detail + " (before resume " + std::to_string(before) + ")");
        return CheckResult::pass(detail);
    });
    v.check("canDo answers", [&] {
        for (const char* what : {"receiveVstMidiEvent", "sendVstMidiEvent", "bypass", "offline", "velda-unknown"}) {
            char text[64];
            std::snprintf(text, sizeof text, "%s", what);
            VstIntPtr answer = host->dispatch(effCanDo, 0, 0, text);
            if (answer < -1 || answer > 1) return CheckResult::warn(std::string(what) + " answers " + std::to_string((long)answer));
        }
        return CheckResult::pass();
    });
}

}  // namespace velda::tool
