#include "EditorFixture.h"

namespace velda::test {

const EditorProduct& editorProduct()
{
    static const EditorProduct product{
        "Emberline2", &kEmberline2Product, emberline2::editorLayout, {24, 25, 43, 44, 45, 46, 47, 48}, 2, 30, 57,
        25, 24, 48, 52, 53, 26};
    return product;
}

}  // namespace velda::test
