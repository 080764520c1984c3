#include "controls/CMyTextEdit.h"

#include "controls/TypedEntryEditor.h"
#include "toolkit/CFrame.h"

namespace velda::gui {

CMyTextEdit::CMyTextEdit(const CRect& r, CControlListener* l, int32_t t, const char* initial, CBitmap* bitmap,
                         int32_t s)
    : CTextEdit(r, l, t, initial, bitmap, s)
{
}

CMyTextEdit::~CMyTextEdit() = default;

void CMyTextEdit::startEditing(int32_t index)
{
    tagToEdit = index;
    if (!parentFrame || parentFrame->getFocusView() != this) beginEdit();
    takeFocus();
}

void CMyTextEdit::looseFocus()
{
    CTextEdit::looseFocus();
    // The editor may remove this field from its page while applying: keep it alive meanwhile.
    remember();
    if (listener) {
        if (TypedEntryEditor* editor = TypedEntryEditor::of(listener)) {
            char typed[kMaxText + 1];
            getText(typed);
            editor->applyTypedEntry(tagToEdit, typed);
        }
    }
    tagToEdit = -1;
    forget();
}

}  // namespace velda::gui
