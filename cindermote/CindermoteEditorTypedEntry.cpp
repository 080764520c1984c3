#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cindermote/Cindermote.h"
#include "cindermote/CindermoteEditor.h"

namespace velda::cindermote {

using namespace velda::gui;

namespace {

// How a typed engineering value maps back to the normalised value.
enum class Mapping { percent, releaseMul, drive, adjust };

struct TypedEntryRule {
    int index;
    int decimals;
    Mapping mapping;
};

constexpr TypedEntryRule kTypedEntryRules[] = {
    {kSpeed, 1, Mapping::percent},     {kReleaseMul, 2, Mapping::releaseMul}, {kDrive, 2, Mapping::drive},
    {kLowAdjust, 1, Mapping::adjust},  {kHighAdjust, 1, Mapping::adjust},     {kKnee, 1, Mapping::percent},
    {kOutput, 1, Mapping::adjust},
};

const TypedEntryRule* typedEntryRule(int index)
{
    for (const TypedEntryRule& r : kTypedEntryRules)
        if (r.index == index) return &r;
    return nullptr;
}

double normalised(Mapping mapping, double t)
{
    switch (mapping) {
    case Mapping::percent: return t / 100.0;
    case Mapping::releaseMul: return std::log(4.0 * t) / std::log(16.0);
    case Mapping::drive: return (t + 24.0) / 48.0;
    case Mapping::adjust: return (t + 12.0) / 24.0;
    }
    return 0.0;
}

// Text that does not begin with a number reads as 0; no number maps outside 0..1.
float normalisedFromText(Mapping mapping, const char* text)
{
    double t = text ? std::strtod(text, nullptr) : 0.0;
    if (std::isnan(t)) t = 0.0;
    // The typed value is held as a 32-bit float; a number beyond that range stays as it is
    // rather than being narrowed (which is undefined), and clamps below like any other.
    if (std::fabs(t) <= (double)FLT_MAX) t = (double)(float)t;
    const double p = normalised(mapping, t);
    if (std::isnan(p)) return 0.0f;
    return (float)std::clamp(p, 0.0, 1.0);
}

}  // namespace

void EmberlineEditor::startTypedEntry(int index)
{
    if (!frame || !product || !showsMainPage() || !shown.typedEntry) return;
    const TypedEntryRule* rule = typedEntryRule(index);
    if (!rule) return;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", rule->decimals, (double)product->getParameterValue(index));
    CMyTextEdit* field = shown.typedEntry;
    if (!shown.mainPage->isChild(field)) {
        field->remember();
        shown.mainPage->addView(field);
    }
    std::snprintf(entryText, sizeof entryText, "%s", text);
    field->setText(text);
    frame->setFocusView(field);
    field->startEditing(index);
}

// Typed values are set silently: the host is not told of them. An entry left as it was opened
// (or cancelled, which keeps the opening text) changes nothing, not even by rounding.
void EmberlineEditor::applyTypedEntry(int index, const char* text)
{
    CMyTextEdit* field = shown.typedEntry;
    if (field && shown.mainPage && shown.mainPage->isChild(field)) shown.mainPage->removeView(field, true);
    const bool unchanged = text && std::strcmp(text, entryText) == 0;
    entryText[0] = '\0';
    const TypedEntryRule* rule = typedEntryRule(index);
    if (!rule || !product || unchanged) return;
    product->setParameter(index, normalisedFromText(rule->mapping, text));
    if (shown.mainPage) shown.mainPage->setDirty(true);
}

}  // namespace velda::cindermote
