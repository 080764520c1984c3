// A plug-in built from the editor shell with the product editor and a generated background, for
// end-to-end tests of the offscreen editor through the velda tool.
#include <cstring>
#include <vector>

#include "emberline2/EmberlineEditor.h"
#include "platform/ModuleResources.h"
#include "shell/AudioEffectX.h"
#include "shell/PluginFactory.h"

namespace {

constexpr int kWidth = 450, kHeight = 376;

// Background colour of frame pixel (x, y).
void backgroundColor(int x, int y, unsigned char rgb[3])
{
    rgb[0] = (unsigned char)(x * 255 / (kWidth - 1));
    rgb[1] = (unsigned char)(y * 255 / (kHeight - 1));
    rgb[2] = 90;
}

class FixtureEffect : public AudioEffectX {
public:
    explicit FixtureEffect(vst::audioMasterCallback host) : AudioEffectX(host, 1, 2)
    {
        setUniqueID(vst::fourCC('V', 't', 'E', 'd'));
        setNumInputs(2);
        setNumOutputs(2);
        canProcessReplacing();
        new EmberlineEditor(this, velda::kCindermoteLook);
    }
    void processReplacing(float** in, float** out, vst::VstInt32 frames) override
    {
        for (int c = 0; c < 2; ++c) std::memcpy(out[c], in[c], sizeof(float) * size_t(frames));
    }
    bool getEffectName(char* name) override
    {
        std::strcpy(name, "Velda Editor Fixture");
        return true;
    }
};

}  // namespace

AudioEffect* createEffectInstance(vst::audioMasterCallback host) { return new FixtureEffect(host); }

namespace velda::platform {

// Bitmap 19100: a bottom-up 24-bit DIB as the library resources hold it.
bool findBitmapResource(int id, ResourceBytes& out)
{
    if (id != 19100) return false;
    static const std::vector<unsigned char> dib = [] {
        const size_t stride = (size_t(kWidth) * 3 + 3) & ~size_t(3);
        std::vector<unsigned char> bytes(40 + stride * kHeight, 0);
        auto put32 = [&](size_t at, unsigned v) {
            for (int i = 0; i < 4; ++i) bytes[at + i] = (unsigned char)(v >> (8 * i));
        };
        put32(0, 40);
        put32(4, kWidth);
        put32(8, kHeight);
        bytes[12] = 1;
        bytes[14] = 24;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                unsigned char rgb[3];
                backgroundColor(x, y, rgb);
                unsigned char* p = &bytes[40 + stride * size_t(kHeight - 1 - y) + size_t(x) * 3];
                p[0] = rgb[2];
                p[1] = rgb[1];
                p[2] = rgb[0];
            }
        return bytes;
    }();
    out = {dib.data(), dib.size()};
    return true;
}

bool findNamedResource(const char*, const char*, ResourceBytes& out)
{
    out = {nullptr, 0};
    return false;
}

}  // namespace velda::platform
