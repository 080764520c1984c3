#include "EditorFixture.h"

namespace velda::test {

const EditorProduct& editorProduct()
{
    static const EditorProduct product{
        "Emberline", &kEmberline1Product, emberline::editorLayout, {27, 28, 35, 49, 50, 51, 52, 53, 54}, 2, 36, 65,
        35, 28, 54, 60, 61, -1};
    return product;
}

}  // namespace velda::test
