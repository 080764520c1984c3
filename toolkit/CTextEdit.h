// A text field. takeFocus opens an edit box over the field (the platform's own where it has one,
// else one the field draws itself); looseFocus closes it, keeps the typed text (unless the entry was
// cancelled with Escape) and reports to the listener.
#pragma once
#include <memory>
#include <string>

#include "platform/PlatformWindow.h"
#include "toolkit/CParamDisplay.h"

namespace velda::gui {

class CTextEdit : public CParamDisplay, private platform::NativeTextEditListener {
public:
    static constexpr size_t kMaxText = 255;

    CTextEdit(const CRect& size, CControlListener* listener, int32_t tag, const char* text = nullptr,
              CBitmap* background = nullptr, int32_t style = 0);
    ~CTextEdit() override;

    virtual void setText(const char* text);
    // Copies the text (at most 256 bytes with the terminator).
    virtual void getText(char* out) const;
    const char* getText() const { return text.c_str(); }

    void takeFocus() override;
    void looseFocus() override;
    bool isEditing() const { return editingOpen; }

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    int32_t onKeyDown(vst::VstKeyCode& key) override;
    bool isTypeOf(const char* name) const override;

protected:
    void valueText(char* out) const override;

private:
    void nativeTextEditEnded(bool commit) override;

    std::string text;
    std::string editText;
    std::unique_ptr<platform::NativeTextEdit> nativeEdit;
    bool editingOpen = false;
    bool cancelled = false;
};

}  // namespace velda::gui
