#include "toolkit/CFontDesc.h"

namespace velda::gui {

namespace {
constexpr CFontDesc systemFont{"Arial", 12, kBoldFace};
constexpr CFontDesc normalFontVeryBig{"Arial", 18};
constexpr CFontDesc normalFontBig{"Arial", 14};
constexpr CFontDesc normalFont{"Arial", 12};
constexpr CFontDesc normalFontSmall{"Arial", 11};
constexpr CFontDesc normalFontSmaller{"Arial", 10};
constexpr CFontDesc normalFontVerySmall{"Arial", 9};
constexpr CFontDesc symbolFont{"Symbol", 12};
}  // namespace

const CFontRef kSystemFont = &systemFont;
const CFontRef kNormalFontVeryBig = &normalFontVeryBig;
const CFontRef kNormalFontBig = &normalFontBig;
const CFontRef kNormalFont = &normalFont;
const CFontRef kNormalFontSmall = &normalFontSmall;
const CFontRef kNormalFontSmaller = &normalFontSmaller;
const CFontRef kNormalFontVerySmall = &normalFontVerySmall;
const CFontRef kSymbolFont = &symbolFont;

}  // namespace velda::gui
