#include "emberline2/EditorControls.h"

namespace velda {

EditorTags EditorTags::of(const layout::EditorLayout& layout)
{
    EditorTags tags;
    int leds = 0;
    int switches = 0;
    for (const layout::ControlSpec& spec : layout.controls) {
        switch (spec.kind) {
        case layout::ControlKind::movieMeter:
            tags.meters = spec.tag;
            break;
        case layout::ControlKind::overLed:
            if (leds < 2) tags.leds[leds++] = spec.tag;
            break;
        case layout::ControlKind::pageSwitch:
            if (switches < 2) tags.pageSwitches[switches++] = spec.tag;
            break;
        case layout::ControlKind::clickRect:
            tags.latencyClick = spec.tag;
            break;
        case layout::ControlKind::counter:
            tags.readout = spec.tag;
            break;
        case layout::ControlKind::textEdit:
            tags.textEdit = spec.tag;
            break;
        default:
            break;
        }
    }
    return tags;
}

}  // namespace velda
