// Values far outside 0..1 (a careless host, a damaged project) are applied as they stand, without
// an undefined conversion on the way (the sanitizer trees see those) and with the look-ahead
// lengths kept within reach of the ring arithmetic.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <vector>

#include "emberline2/Emberline.h"
#include "platform/RegistryTestRoot.h"
#include "tests/robustness/ProductSet.h"

namespace velda::robustness {
namespace {

const float kFarValues[] = {4.05648e+31f, -4.05648e+31f, FLT_MAX, -FLT_MAX, 3.0e9f, -3.0e9f};

class OutOfRangeValues : public ::testing::TestWithParam<Product> {};

TEST_P(OutOfRangeValues, EveryIndexTakesFarValuesAndProcessingGoesOn)
{
    const Product product = GetParam();
    platform::ScopedRegistryRoot store;
    auto effect = makeProduct(product, quietHost);
    effect->setSampleRate(44100.0f);
    effect->resume();
    std::vector<float> left(64, 0.25f), right(64, -0.25f), outLeft(64), outRight(64);
    float* inputs[2] = {left.data(), right.data()};
    float* outputs[2] = {outLeft.data(), outRight.data()};
    for (const float far : kFarValues) {
        for (int index = 0; index < indexLimit(product); ++index) {
            effect->setParameter(index, far);
            char text[256];
            effect->getParameterDisplay(index, text);
            EXPECT_NE(std::memchr(text, 0, 64), nullptr) << productName(product) << " index " << index;
        }
        effect->processReplacing(inputs, outputs, 64);
        if (product != Product::Cindermote) {
            auto& engine = static_cast<Emberline&>(*effect).processingEngine();
            EXPECT_LE(std::abs(engine.attackLength()), 1 << 20) << far;
            EXPECT_LE(std::abs(engine.limiterAttackLength()), 1 << 20) << far;
        }
        effect->suspend();
        effect->resume();
    }
}

INSTANTIATE_TEST_SUITE_P(AllProducts, OutOfRangeValues,
                         ::testing::Values(Product::Emberline2, Product::Emberline, Product::Cindermote),
                         [](const auto& info) { return std::string(productName(info.param)); });

}  // namespace
}  // namespace velda::robustness
