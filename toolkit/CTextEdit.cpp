#include "toolkit/CTextEdit.h"

#include <algorithm>
#include <cstring>

#include "toolkit/CFrame.h"
#include "toolkit/VirtualKeys.h"

namespace velda::gui {

CTextEdit::CTextEdit(const CRect& r, CControlListener* l, int32_t t, const char* initial, CBitmap* bitmap, int32_t s)
    : CParamDisplay(r, bitmap, s)
{
    listener = l;
    tag = t;
    setText(initial);
}

CTextEdit::~CTextEdit() { nativeEdit.reset(); }

bool CTextEdit::isTypeOf(const char* name) const
{
    return std::strcmp(name, "CTextEdit") == 0 || CParamDisplay::isTypeOf(name);
}

void CTextEdit::setText(const char* t)
{
    text = t ? t : "";
    if (text.size() > kMaxText) text.resize(kMaxText);
    setDirty(true);
}

void CTextEdit::getText(char* out) const { std::memcpy(out, text.c_str(), text.size() + 1); }

void CTextEdit::valueText(char* out) const { getText(out); }

void CTextEdit::takeFocus()
{
    if (editingOpen || !parentFrame) return;
    editingOpen = true;
    cancelled = false;
    editText = text;
    if (platform::PlatformWindow* window = parentFrame->getPlatformWindow()) {
        platform::TextEditRequest request;
        const CRect r = getFrameRect();
        request.area = {int32_t(r.left), int32_t(r.top), int32_t(r.right), int32_t(r.bottom)};
        request.text = text;
        request.fontSize = font->getSize();
        request.bold = (font->getStyle() & kBoldFace) != 0;
        const CColor colors[2] = {fontColor, backColor};
        uint8_t* targets[2] = {request.fontColor, request.backColor};
        for (int i = 0; i < 2; ++i) {
            targets[i][0] = colors[i].red;
            targets[i][1] = colors[i].green;
            targets[i][2] = colors[i].blue;
            targets[i][3] = colors[i].alpha;
        }
        request.align = horiAlign;
        nativeEdit = window->openTextEdit(request, *this);
    }
    setDirty(true);
    invalid();
}

void CTextEdit::looseFocus()
{
    if (!editingOpen) return;
    editingOpen = false;
    if (nativeEdit) {
        if (!cancelled) editText = nativeEdit->text();
        nativeEdit.reset();
    }
    if (!cancelled) setText(editText.c_str());
    setDirty(true);
    invalid();
    remember();
    valueChanged();
    forget();
}

void CTextEdit::nativeTextEditEnded(bool commit)
{
    cancelled = !commit;
    if (parentFrame && parentFrame->getFocusView() == this)
        parentFrame->setFocusView(nullptr);
    else
        looseFocus();
}

CMouseEventResult CTextEdit::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    if (parentFrame && parentFrame->getFocusView() != this) {
        beginEdit();
        parentFrame->setFocusView(this);
    }
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

int32_t CTextEdit::onKeyDown(vst::VstKeyCode& key)
{
    if (!editingOpen || nativeEdit) return -1;
    if (key.virt == VKEY_RETURN || key.virt == VKEY_ENTER || key.virt == VKEY_ESCAPE) {
        nativeTextEditEnded(key.virt != VKEY_ESCAPE);
        return 1;
    }
    if (key.virt == VKEY_BACK || key.virt == VKEY_DELETE) {
        if (!editText.empty()) editText.pop_back();
    } else if (key.virt == 0 && key.character >= 32 && key.character < 256 && key.character != 127) {
        if (editText.size() < kMaxText) editText.push_back(char(key.character));
    } else {
        return -1;
    }
    setDirty(true);
    invalid();
    return 1;
}

void CTextEdit::draw(CDrawContext* context)
{
    if (!editingOpen || nativeEdit) {
        CParamDisplay::draw(context);
        return;
    }
    // The field's own edit box: back colour, frame, text and a caret after the text.
    context->setFillColor(backColor);
    context->drawRect(size, kDrawFilled);
    context->setFrameColor(frameColor);
    context->setLineWidth(1);
    context->drawRect(size, kDrawStroked);
    context->setFont(font);
    context->setFontColor(fontColor);
    CRect inner = size;
    inner.inset(2, 0);
    context->drawString(editText.c_str(), inner, horiAlign, antialias);
    const CCoord width = context->getStringWidth(editText.c_str());
    CCoord x = inner.left + width;
    if (horiAlign == kCenterText) x = inner.left + (inner.width() + width) * 0.5;
    if (horiAlign == kRightText) x = inner.right;
    x = std::min(x, inner.right - 1);
    context->setFrameColor(fontColor);
    context->setDrawMode(kAliasing);
    context->drawLine(CPoint(x, size.top + 2), CPoint(x, size.bottom - 3));
    setDirty(false);
}

}  // namespace velda::gui
