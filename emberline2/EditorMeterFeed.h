// The idle work of the main page: the meters and over LEDs follow the effect's meter values, and
// every ninth call the read-out follows the control under the mouse (blanking while the mouse
// rests on a meter, an LED, a page switch or the bare background).
#pragma once
#include <cstdint>

#include "emberline2/EditorControls.h"

class Emberline;

namespace velda {

class EditorMeterFeed {
public:
    static constexpr int32_t kIdlesPerHoverCheck = 9;
    static constexpr int32_t kChecksBeforeBlank = 11;

    // Reads the meter levels, takes the over flags (clearing them) and feeds meters and LEDs.
    static void feed(Emberline& effect, const EditorControls& controls);

    // Counts one idle call; on every ninth runs the hover check and answers the control whose value
    // the editor should refresh (a newly hovered parameter control), else null.
    gui::CControl* hoverCheck(const gui::CFrame& frame, const EditorControls& controls, const EditorTags& tags);

    void reset()
    {
        blankChecks = 0;
        lastHovered = nullptr;
    }

private:
    void countTowardsBlank(const EditorControls& controls);

    int32_t idleTicks = 0;
    int32_t blankChecks = 0;
    const gui::CView* lastHovered = nullptr;
};

}  // namespace velda
