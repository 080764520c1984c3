// The typed-entry field: remembers which parameter is being typed and, when it loses the focus,
// hands the text to the editor for that parameter.
#pragma once

#include "toolkit/CTextEdit.h"

namespace velda::gui {

class CMyTextEdit : public CTextEdit {
public:
    CMyTextEdit(const CRect& size, CControlListener* listener, int32_t tag, const char* text = nullptr,
                CBitmap* background = nullptr, int32_t style = 0);
    ~CMyTextEdit() override;

    // Opens the edit box for parameter `index`.
    void startEditing(int32_t index);
    void looseFocus() override;

    int32_t getTagToEdit() const { return tagToEdit; }

protected:
    int32_t tagToEdit = -1;
};

}  // namespace velda::gui
