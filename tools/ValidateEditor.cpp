// The editor: its size before open, many open/close cycles without a growing heap, effClose
// with the editor open, and editor opcodes while it is closed.
#include "platform/OffscreenParent.h"
#include "tools/AllocationCounter.h"
#include "tools/EditorSession.h"
#include "tools/ValidationAudio.h"
#include "tools/ValidationChecks.h"

#include <cstring>

using namespace vst;

namespace velda::tool {

namespace {

constexpr int kMaxEditorSide = 8192;
#ifdef _WIN32
constexpr uint64_t kGrowthAllowance = 4u << 20;  // private bytes move with the system's own pages
#else
constexpr uint64_t kGrowthAllowance = 1u << 20;
#endif
constexpr int kWarmCycles = 10;

AudioStats processSome(PluginHost& host, TestSignal& signal, size_t frames)
{
    AudioRunOptions options;
    options.blockSize = 256;
    return runAudio(host, frames, signal, options);
}

std::string megabytes(int64_t bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%+.2f MB", (double)bytes / (1 << 20));
    return text;
}

}  // namespace

void validateEditor(Validator& v)
{
    v.section("editor");
    {
        auto probe = v.load();
        if (!(probe->effect()->flags & effFlagsHasEditor)) {
            v.check("editor", [] { return CheckResult::skip("the plug-in has no editor"); });
            return;
        }
    }

    v.check("size before open", [&] {
        auto host = v.loadOpen();
        ERect* rect = nullptr;
        host->dispatch(effEditGetRect, 0, 0, &rect);
        if (!rect) return CheckResult::warn("no rectangle before the editor opens");
        int width = rect->right - rect->left, height = rect->bottom - rect->top;
        std::string size = std::to_string(width) + "x" + std::to_string(height);
        if (width <= 0 || height <= 0 || width > kMaxEditorSide || height > kMaxEditorSide)
            return CheckResult::fail("rectangle " + size);
        return CheckResult::pass(size);
    });

    v.check("open and close with idle and processing between", [&] {
        const int cycles = v.strictness() >= 10 ? 1000 : 100;
        keepFreedMemory();
        auto host = v.loadOpen(44100.0, 256);
        host->resume();
        TestSignal signal(44100.0, v.seed());
        uint64_t warm = 0;
        for (int cycle = 0; cycle < cycles; ++cycle) {
            {
                EditorSession session(*host);
                session.idle(2);
                AudioStats stats = processSome(*host, signal, 256);
                if (!stats.clean(32.0)) return CheckResult::fail("cycle " + std::to_string(cycle) + ": " + stats.describe());
                session.idle();
            }
            AudioStats stats = processSome(*host, signal, 256);
            if (!stats.clean(32.0)) return CheckResult::fail("after cycle " + std::to_string(cycle) + ": " + stats.describe());
            if (cycle + 1 == kWarmCycles) warm = heapBytesInUse();
        }
        uint64_t end = heapBytesInUse();
        if (warm == 0 || end == 0) return CheckResult::pass(std::to_string(cycles) + " cycles, heap size unknown");
        int64_t growth = (int64_t)(end - warm);
        std::string detail = std::to_string(cycles) + " cycles, heap " + megabytes(growth) + " after the first " +
                             std::to_string(kWarmCycles);
        return growth > (int64_t)kGrowthAllowance ? CheckResult::fail(detail) : CheckResult::pass(detail);
    });

    v.check("effClose with the editor open", [&] {
        auto host = v.loadOpen();
        host->resume();
        VeldaOffscreenParent record;
        std::memset(&record, 0, sizeof record);
        record.magic = VELDA_OFFSCREEN_MAGIC;
        record.version = VELDA_OFFSCREEN_VERSION;
        if (!host->dispatch(effEditOpen, 0, 0, &record)) return CheckResult::fail("the editor did not open");
        host->dispatch(effEditIdle);
        host->close(false);
        return CheckResult::pass();
    });

    v.check("key and idle opcodes while the editor is closed", [&] {
        auto host = v.loadOpen();
        host->resume();
        auto poke = [&] {
            for (int i = 0; i < 4; ++i) {
                host->dispatch(effEditIdle);
                host->dispatch(effEditKeyDown, 'a', 0, nullptr, 0.0f);
                host->dispatch(effEditKeyUp, 'a', 0, nullptr, 0.0f);
                host->dispatch(effEditKeyDown, 0, 1, nullptr, 0.0f);  // a virtual key
                host->dispatch(effEditKeyUp, 0, 1, nullptr, 0.0f);
            }
        };
        poke();  // never opened
        { EditorSession session(*host); session.idle(); }
        poke();  // opened once and closed again
        host->dispatch(effEditClose);  // a second close
        TestSignal signal(44100.0, v.seed());
        AudioStats stats = processSome(*host, signal, 8192);
        if (!stats.clean(32.0)) return CheckResult::fail(stats.describe());
        EditorSession again(*host);
        again.idle();
        return CheckResult::pass();
    });
}

}  // namespace velda::tool
