// Reference counting shared by views and bitmaps: remember() adds an owner, forget() drops one and
// deletes the object when none is left.
#pragma once

namespace velda::gui {

class CBaseObject {
public:
    CBaseObject() = default;
    CBaseObject(const CBaseObject&) = delete;
    CBaseObject& operator=(const CBaseObject&) = delete;
    virtual ~CBaseObject() = default;

    void remember() { ++references; }
    void forget()
    {
        if (--references <= 0) delete this;
    }
    int getNbReference() const { return references; }

private:
    int references = 1;
};

}  // namespace velda::gui
