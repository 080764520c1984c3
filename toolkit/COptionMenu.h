// A pop-up menu of text entries. A left click opens it (the platform's menu where it has one, else
// a menu the toolkit draws over the frame); choosing entry i sets the value to i, makes i current
// and reports. With kCheckStyle the current entry carries a check mark.
#pragma once
#include <string>
#include <vector>

#include "toolkit/CParamDisplay.h"

namespace velda::gui {

class COptionMenu : public CParamDisplay {
public:
    COptionMenu(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background = nullptr,
                CBitmap* backgroundWhenClicked = nullptr, int32_t style = kPopupStyle);
    ~COptionMenu() override;

    // index -1 appends.
    virtual bool addEntry(const char* title, int32_t index = -1);
    virtual bool setEntry(int32_t index, const char* title);
    virtual bool removeEntry(int32_t index);
    virtual bool removeAllEntry();
    int32_t getNbEntries() const { return int32_t(entries.size()); }
    // Copies entry `index` into `title` (256 bytes); false when there is no such entry.
    bool getEntry(int32_t index, char* title) const;
    const char* getEntry(int32_t index) const;

    virtual bool setCurrent(int32_t index, bool countAsChange = true);
    int32_t getCurrent() const { return current; }
    bool checkEntry(int32_t index, bool state);
    bool isCheckEntry(int32_t index) const;
    void setNbItemsPerColumn(int32_t count) { itemsPerColumn = count; }
    int32_t getNbItemsPerColumn() const { return itemsPerColumn; }
    int32_t getLastResult() const { return lastResult; }

    // Opens the menu at once (as a click does).
    void popup();
    // The user chose `index` (-1: cancelled).
    void chooseEntry(int32_t index);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    bool isTypeOf(const char* name) const override;

protected:
    void valueText(char* text) const override;

    struct Entry {
        std::string title;
        bool checked = false;
    };
    std::vector<Entry> entries;
    int32_t current = 0;
    int32_t itemsPerColumn = 15;  // 0: one column
    int32_t lastResult = -1;
    CBitmap* backgroundWhenClicked;
};

}  // namespace velda::gui
