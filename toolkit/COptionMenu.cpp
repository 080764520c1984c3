#include "toolkit/COptionMenu.h"

#include <cstring>

#include "toolkit/CBitmap.h"
#include "toolkit/CFrame.h"
#include "toolkit/CMenuOverlay.h"

namespace velda::gui {

COptionMenu::COptionMenu(const CRect& r, CControlListener* l, int32_t t, CBitmap* bitmap, CBitmap* clicked,
                         int32_t s)
    : CParamDisplay(r, bitmap, s), backgroundWhenClicked(clicked)
{
    listener = l;
    tag = t;
    vmin = 0;
    vmax = 0;
    if (backgroundWhenClicked) backgroundWhenClicked->remember();
}

COptionMenu::~COptionMenu()
{
    if (backgroundWhenClicked) backgroundWhenClicked->forget();
}

bool COptionMenu::isTypeOf(const char* name) const
{
    return std::strcmp(name, "COptionMenu") == 0 || CParamDisplay::isTypeOf(name);
}

bool COptionMenu::addEntry(const char* title, int32_t index)
{
    Entry entry{title ? title : "", false};
    if (index < 0 || index >= getNbEntries())
        entries.push_back(entry);
    else
        entries.insert(entries.begin() + index, entry);
    vmax = float(entries.size() - 1);
    setDirty(true);
    return true;
}

bool COptionMenu::setEntry(int32_t index, const char* title)
{
    if (index < 0 || index >= getNbEntries()) return false;
    entries[size_t(index)].title = title ? title : "";
    setDirty(true);
    return true;
}

bool COptionMenu::removeEntry(int32_t index)
{
    if (index < 0 || index >= getNbEntries()) return false;
    entries.erase(entries.begin() + index);
    vmax = entries.empty() ? 0.0f : float(entries.size() - 1);
    if (current >= getNbEntries()) current = std::max(0, getNbEntries() - 1);
    setDirty(true);
    return true;
}

bool COptionMenu::removeAllEntry()
{
    entries.clear();
    current = 0;
    vmax = 0;
    value = 0;
    setDirty(true);
    return true;
}

bool COptionMenu::getEntry(int32_t index, char* title) const
{
    if (!title) return false;
    title[0] = 0;
    if (index < 0 || index >= getNbEntries()) return false;
    std::strncpy(title, entries[size_t(index)].title.c_str(), 255);
    title[255] = 0;
    return true;
}

const char* COptionMenu::getEntry(int32_t index) const
{
    return index >= 0 && index < getNbEntries() ? entries[size_t(index)].title.c_str() : nullptr;
}

bool COptionMenu::setCurrent(int32_t index, bool countAsChange)
{
    if (index < 0 || index >= getNbEntries()) return false;
    current = index;
    if (countAsChange) value = float(index);
    setDirty(true);
    return true;
}

bool COptionMenu::checkEntry(int32_t index, bool state)
{
    if (index < 0 || index >= getNbEntries()) return false;
    entries[size_t(index)].checked = state;
    return true;
}

bool COptionMenu::isCheckEntry(int32_t index) const
{
    return index >= 0 && index < getNbEntries() && entries[size_t(index)].checked;
}

void COptionMenu::valueText(char* text) const
{
    text[0] = 0;
    if (current >= 0 && current < getNbEntries()) {
        std::strncpy(text, entries[size_t(current)].title.c_str(), 255);
        text[255] = 0;
    }
}

void COptionMenu::draw(CDrawContext* context)
{
    if (style & kNoDrawStyle) {
        setDirty(false);
        return;
    }
    CParamDisplay::draw(context);
}

CMouseEventResult COptionMenu::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!(buttons & (kLButton | kRButton)) || entries.empty()) return kMouseEventNotHandled;
    popup();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

void COptionMenu::popup()
{
    if (!parentFrame || entries.empty()) return;
    const CRect r = getFrameRect();
    platform::MenuRequest request;
    for (size_t i = 0; i < entries.size(); ++i)
        request.items.push_back(
            {entries[i].title, entries[i].checked || ((style & kCheckStyle) && int32_t(i) == current)});
    request.itemsPerColumn = itemsPerColumn;
    request.x = r.left;
    request.y = r.top;
    platform::PlatformWindow* window = parentFrame->getPlatformWindow();
    const int32_t answer = window ? window->popupMenu(request) : platform::kMenuDrawnByToolkit;
    if (answer != platform::kMenuDrawnByToolkit) {
        chooseEntry(answer);
        return;
    }
    auto* overlay = new CMenuOverlay(this, request);
    parentFrame->addView(overlay);
    parentFrame->setModalView(overlay);
}

void COptionMenu::chooseEntry(int32_t index)
{
    lastResult = index;
    if (index < 0 || index >= getNbEntries()) return;
    remember();
    current = index;
    value = float(index);
    beginEdit();
    valueChanged();
    endEdit();
    setDirty(true);
    invalid();
    forget();
}

}  // namespace velda::gui
