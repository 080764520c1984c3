#include "ToolkitFixture.h"

namespace velda::test {

TEST(ValueModel, SetValueClampsToTheRangeWhileTheRawStoreDoesNot)
{
    CControl control(CRect(0, 0, 10, 10));
    control.setValue(1.5f);
    EXPECT_EQ(control.getValue(), 1.0f);
    control.setValue(-0.5f);
    EXPECT_EQ(control.getValue(), 0.0f);
    control.setValueUnbounded(26.1f);
    EXPECT_EQ(control.getValue(), 26.1f);
    control.bounceValue();
    EXPECT_EQ(control.getValue(), 1.0f);
    control.setMin(-1.0f);
    control.setMax(1.0f);
    control.setValue(-2.0f);
    EXPECT_EQ(control.getValue(), -1.0f);
}

TEST(ValueModel, DirtyWhileTheValueDiffersFromTheValueLastDrawn)
{
    CControl control(CRect(0, 0, 10, 10));
    EXPECT_TRUE(control.isDirty()) << "a new control has never been drawn";
    control.setDirty(false);
    EXPECT_FALSE(control.isDirty());
    EXPECT_EQ(control.getOldValue(), control.getValue());
    control.setValue(0.25f);
    EXPECT_TRUE(control.isDirty());
    control.setValue(0.0f);
    EXPECT_FALSE(control.isDirty()) << "back at the drawn value";
    control.setDirty(true);
    EXPECT_TRUE(control.isDirty());
}

TEST(ValueModel, DefaultsOfANewControl)
{
    CControl control(CRect(0, 0, 10, 10));
    EXPECT_EQ(control.getTag(), -1);
    EXPECT_EQ(control.getListener(), nullptr);
    EXPECT_EQ(control.getMin(), 0.0f);
    EXPECT_EQ(control.getMax(), 1.0f);
    EXPECT_EQ(control.getDefaultValue(), 0.5f);
}

TEST(ValueModel, TypeNamesFollowTheClassChain)
{
    RecordingListener listener;
    CAnimKnob knob(CRect(0, 0, 10, 10), &listener, 1, 5, 10, nullptr);
    EXPECT_TRUE(knob.isTypeOf("CAnimKnob"));
    EXPECT_TRUE(knob.isTypeOf("CKnob"));
    EXPECT_TRUE(knob.isTypeOf("CControl"));
    EXPECT_TRUE(knob.isTypeOf("CView"));
    EXPECT_FALSE(knob.isTypeOf("CViewContainer"));
    CTextEdit edit(CRect(0, 0, 10, 10), &listener, 2);
    EXPECT_TRUE(edit.isTypeOf("CParamDisplay"));
    EXPECT_FALSE(edit.isTypeOf("CKnob"));
}

TEST(ValueModel, OptionMenuEntriesAndCurrent)
{
    COptionMenu menu(CRect(0, 0, 10, 10), nullptr, 3);
    for (const char* name : {"A", "B", "C"}) menu.addEntry(name);
    EXPECT_EQ(menu.getNbEntries(), 3);
    EXPECT_EQ(menu.getMax(), 2.0f);
    EXPECT_TRUE(menu.setCurrent(2));
    EXPECT_EQ(menu.getCurrent(), 2);
    EXPECT_EQ(menu.getValue(), 2.0f);
    EXPECT_FALSE(menu.setCurrent(3));
    EXPECT_TRUE(menu.setEntry(1, "Renamed"));
    char title[256];
    EXPECT_TRUE(menu.getEntry(1, title));
    EXPECT_STREQ(title, "Renamed");
    EXPECT_FALSE(menu.getEntry(7, title));
    EXPECT_STREQ(title, "");
}

TEST(ValueModel, ParamDisplayUsesItsConversionFunction)
{
    struct Probe : CParamDisplay {
        using CParamDisplay::CParamDisplay;
        std::string text() const
        {
            char buffer[256];
            valueText(buffer);
            return buffer;
        }
    } display(CRect(0, 0, 40, 10));
    display.setValue(0.5f);
    EXPECT_EQ(display.text(), "0.50");
    display.setStringConvert([](float v, char* text) { std::snprintf(text, 256, "%dms", int(v * 100)); });
    EXPECT_EQ(display.text(), "50ms");
}

}  // namespace velda::test
