// The needle meters and over indicators fed at idle from the effect's meter values.
#include "cindermote/CindermoteEditorFixture.h"

namespace velda::test {
namespace {

struct CindermoteEditorMeters : CindermoteEditorFixture {
    // Output level; a suspend rests the meters at 0.
    CindermoteEditorMeters()
    {
        fx->setParameter(cindermote::kMeters, 1.0f);
        dispatch(vst::effMainsChanged, 0, 0);
        dispatch(vst::effMainsChanged, 0, 1);
    }
};

TEST_F(CindermoteEditorMeters, MetersAreActiveFromOpenToClose)
{
    EXPECT_EQ(fx->engine().metersActive, 0);
    ASSERT_TRUE(open());
    EXPECT_EQ(fx->engine().metersActive, 1);
    close();
    EXPECT_EQ(fx->engine().metersActive, 0);
}

TEST_F(CindermoteEditorMeters, TheNeedleFollowsProcessedAudioAtIdle)
{
    ASSERT_TRUE(open());
    idle(2);
    const float rest = views().meters[0]->getValue();
    EXPECT_LT(rest, 0.01f);
    const std::vector<uint8_t> before = pixels;
    renderSine(0.5f, 44100);
    const float fed = fx->engine().meterLeft;
    ASSERT_GT(fed, 0.1f);
    idle();
    EXPECT_FLOAT_EQ(views().meters[0]->getValue(), std::min(fed, 2.0f));
    EXPECT_GT(views().meters[1]->getValue(), 0.1f);
    idle();
    // The needle is drawn somewhere new inside the left face.
    int changed = 0;
    for (int y = 34; y < 112; ++y)
        for (int x = 49; x < 194; ++x) {
            const size_t at = (size_t(y) * size_t(record->width) + size_t(x)) * 4;
            if (std::memcmp(&before[at], &pixels[at], 4) != 0) ++changed;
        }
    EXPECT_GT(changed, 20);
}

TEST_F(CindermoteEditorMeters, AnOverLatchesUntilTheIndicatorIsReset)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(views().meters[0]->indicatorImage(), 2);
    fx->engine().overFlagLeft = 1.0f;
    idle();
    // Over now, or already over-happened when the panel's timer fed the meters once more.
    EXPECT_NE(views().meters[0]->indicatorImage(), 2);
    EXPECT_EQ(views().meters[1]->indicatorImage(), 2);
    EXPECT_EQ(fx->engine().overFlagLeft, 0.0f);  // read and cleared
    idle();
    EXPECT_EQ(views().meters[0]->indicatorImage(), 1);
    idle(20);
    EXPECT_EQ(views().meters[0]->indicatorImage(), 1);
    click(328, 60);
    EXPECT_EQ(views().meters[0]->indicatorImage(), 2);
}

TEST_F(CindermoteEditorMeters, LoudProcessedAudioRaisesTheOverIndicators)
{
    ASSERT_TRUE(open());
    fx->setParameter(cindermote::kDrive, 1.0f);
    fx->setParameter(cindermote::kOutput, 1.0f);
    renderSine(1.0f, 8192);
    EXPECT_GE(fx->engine().overFlagLeft, 0.5f);
    EXPECT_GE(fx->engine().overFlagRight, 0.5f);
    idle(2);
    EXPECT_EQ(views().meters[0]->indicatorImage(), 1);
    EXPECT_EQ(views().meters[1]->indicatorImage(), 1);
}

TEST_F(CindermoteEditorMeters, TheSettingsPageStopsTheMetersAndKeepsTheOverFlags)
{
    ASSERT_TRUE(open());
    click(194, 327);
    idle();
    ASSERT_FALSE(editor->showsMainPage());
    fx->engine().overFlagLeft = 1.0f;
    renderSine(0.5f, 8192);
    const float still = views().meters[0]->getValue();
    idle(3);
    EXPECT_FLOAT_EQ(views().meters[0]->getValue(), still);
    EXPECT_EQ(fx->engine().overFlagLeft, 1.0f);
    click(224, 85);
    idle();
    EXPECT_EQ(views().meters[0]->indicatorImage(), 1);
}

TEST_F(CindermoteEditorMeters, SuspendRestsTheNeedlesByTheMeterSource)
{
    ASSERT_TRUE(open());
    fx->setParameter(cindermote::kMeters, 0.5f);  // gain reduction rests at 1
    dispatch(vst::effMainsChanged, 0, 0);
    EXPECT_FLOAT_EQ(views().meters[0]->getValue(), 1.0f);
    EXPECT_FLOAT_EQ(views().meters[1]->getValue(), 1.0f);
    fx->setParameter(cindermote::kMeters, 0.0f);
    dispatch(vst::effMainsChanged, 0, 1);
    dispatch(vst::effMainsChanged, 0, 0);
    EXPECT_FLOAT_EQ(views().meters[0]->getValue(), 0.0f);
}

}  // namespace
}  // namespace velda::test
