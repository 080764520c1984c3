// Reference counting shared by views and bitmaps: remember() adds an owner, forget() drops one and
// deletes the object when none is left.
#pragma once

namespace velda::gui {

class CBaseObject {
public:
    CBaseObject() { ++live; }
    CBaseObject(const CBaseObject&) = delete;
    CBaseObject& operator=(const CBaseObject&) = delete;
    virtual ~CBaseObject() { --live; }

    void remember() { ++references; }
    void forget()
    {
        if (--references <= 0) delete this;
    }
    int getNbReference() const { return references; }
    // Views and bitmaps alive in the process (leak checks).
    static int liveObjects() { return live; }

private:
    inline static int live = 0;
    int references = 1;
};

}  // namespace velda::gui
