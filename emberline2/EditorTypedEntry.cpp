// Typed value entry on the main page: the field opens over the read-out with the knob's value and
// applies the typed number when it loses the focus (the host is not told).
#include "controls/CMyTextEdit.h"
#include "emberline2/EmberlineEditor.h"
#include "emberline2/Emberline.h"
#include "emberline2/KnobEntry.h"

using namespace velda::gui;
using velda::ParameterRole;

void EmberlineEditor::startTypedEntry(int32_t index)
{
    if (!frame || !hasPages() || !showsMainPage() || !views.textEdit) return;
    const velda::KnobEntry* entry = velda::knobEntryFor(roleAt(index));
    if (!entry) return;
    char text[64];
    velda::typedEntryText(*entry, emberline->getParameterValue(index), text, sizeof text);
    if (!views.textEditInPage) {
        views.mainPage->addView(views.textEdit);
        views.textEditInPage = true;
    }
    views.textEdit->setText(text);
    // The field is no parameter: it opens no host gesture.
    frame->setFocusView(views.textEdit);
    views.textEdit->startEditing(index);
}

void EmberlineEditor::applyTypedEntry(int32_t index, const char* text)
{
    if (views.textEdit && views.textEditInPage && views.mainPage) {
        views.mainPage->removeView(views.textEdit, false);
        views.textEditInPage = false;
    }
    if (!hasPages()) return;
    const ParameterRole role = roleAt(index);
    if (!velda::knobEntryFor(role)) return;
    const float fineTune = emberline->getParameterValue(indexOf(ParameterRole::FineTune));
    emberline->setParameter(index, velda::typedEntryValue(role, velda::parseTypedNumber(text), fineTune));
    if (views.mainPage) views.mainPage->setDirty(true);
}
