// A view with a value: 32-bit float value, old value (the value last drawn), range, default, tag and
// listener. Edits are bracketed by beginEdit/endEdit, which reach the editor through the frame.
#pragma once

#include "toolkit/CControlListener.h"
#include "toolkit/CView.h"

namespace velda::gui {

class CControl : public CView {
public:
    CControl(const CRect& size, CControlListener* listener = nullptr, int32_t tag = -1, CBitmap* background = nullptr);

    virtual void setValue(float v);
    virtual float getValue() const { return value; }
    // Stores v as is, outside the range if need be (displays of engineering values).
    void setValueUnbounded(float v) { value = v; }
    virtual void setOldValue(float v) { oldValue = v; }
    virtual float getOldValue() const { return oldValue; }
    virtual void setMin(float v) { vmin = v; }
    virtual float getMin() const { return vmin; }
    virtual void setMax(float v) { vmax = v; }
    virtual float getMax() const { return vmax; }
    virtual void setDefaultValue(float v) { defaultValue = v; }
    virtual float getDefaultValue() const { return defaultValue; }
    virtual void setTag(int32_t t) { tag = t; }
    int32_t getTag() const { return tag; }
    virtual void setListener(CControlListener* l) { listener = l; }
    CControlListener* getListener() const { return listener; }
    void setWheelInc(float v) { wheelInc = v; }
    float getWheelInc() const { return wheelInc; }

    // Clamps the value to the range.
    virtual void bounceValue();
    // Reports the value to the listener.
    virtual void valueChanged();
    virtual void beginEdit();
    virtual void endEdit();
    bool isEditing() const { return editing > 0; }

    // Dirty while flagged or while the value differs from the value last drawn.
    void setDirty(bool state = true) override;
    bool isDirty() const override;

    void setBackOffset(const CPoint& offset) { backOffset = offset; }
    const CPoint& getBackOffset() const { return backOffset; }

    bool isTypeOf(const char* name) const override;

protected:
    float value = 0.0f;
    float oldValue = 1.0f;
    float vmin = 0.0f;
    float vmax = 1.0f;
    float defaultValue = 0.5f;
    float wheelInc = 0.1f;
    int32_t tag;
    int32_t editing = 0;
    CControlListener* listener;
    CPoint backOffset;
};

}  // namespace velda::gui
