// What the frame and its controls ask of the editor that owns them.
#pragma once
#include <cstdint>

#include "toolkit/CRect.h"

namespace velda::gui {

class CFrame;

class VSTGUIEditorInterface {
public:
    virtual ~VSTGUIEditorInterface() = default;
    virtual void doIdleStuff() {}
    virtual int32_t getKnobMode() const { return 0; }
    virtual void beginEdit(int32_t) {}
    virtual void endEdit(int32_t) {}
    virtual bool beforeSizeChange(const CRect&, const CRect&) { return true; }
    virtual CFrame* getFrame() const { return frame; }

protected:
    CFrame* frame = nullptr;
};

}  // namespace velda::gui
