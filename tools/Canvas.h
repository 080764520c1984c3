// A small RGB drawing surface for the demo plots: rectangles, lines, text in a built-in
// bitmap font, PNG output.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace velda::tool {

struct Colour {
    uint8_t r, g, b;
};

class Canvas {
public:
    Canvas(int width, int height, Colour background);

    int width() const { return w; }
    int height() const { return h; }
    void blend(int x, int y, Colour colour, double alpha = 1.0);
    void fillRect(int x0, int y0, int x1, int y1, Colour colour, double alpha = 1.0);  // x1, y1 exclusive
    void line(double x0, double y0, double x1, double y1, Colour colour, double alpha = 1.0);
    void dashedHorizontal(int x0, int x1, int y, Colour colour, int dash = 4);
    // Top-left at (x, y); `scale` multiplies the font's pixels.
    void text(int x, int y, const std::string& text, Colour colour, int scale = 1);
    static int textWidth(const std::string& text, int scale = 1);
    static int textHeight(int scale = 1);

    std::vector<uint8_t> encodePng() const;

private:
    int w, h;
    std::vector<uint8_t> pixels;
};

}  // namespace velda::tool
