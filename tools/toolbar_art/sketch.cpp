#include "tools/toolbar_art/sketch.h"

namespace qm::toolbar_art {
namespace {

double squaredDistance(int x, int y, double cx, double cy) {
    const double dx = x + 0.5 - cx;
    const double dy = y + 0.5 - cy;
    return dx * dx + dy * dy;
}

}  // namespace

Sketch::Sketch(IndexedImage& image, int left, int size) : image_(image), left_(left), size_(size) {}

void Sketch::dot(int x, int y, std::uint8_t ink) {
    if (x < 0 || y < 0 || x >= size_ || y >= size_) {
        return;
    }
    image_.set(left_ + x, y, ink);
}

void Sketch::fillRect(int left, int top, int right, int bottom, std::uint8_t ink) {
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            dot(x, y, ink);
        }
    }
}

void Sketch::fillDisc(double cx, double cy, double radius, std::uint8_t ink) {
    ringAbove(cx, cy, -1.0, radius, size_, ink);
}

void Sketch::upperArc(double cx, double cy, double inner, double outer, std::uint8_t ink) {
    ringAbove(cx, cy, inner, outer, static_cast<int>(cy), ink);
}

void Sketch::ringAbove(double cx, double cy, double inner, double outer, int endY,
                       std::uint8_t ink) {
    const double innerSquared = inner < 0 ? -1.0 : inner * inner;
    for (int y = 0; y < endY; ++y) {
        for (int x = 0; x < size_; ++x) {
            const double d = squaredDistance(x, y, cx, cy);
            if (d > innerSquared && d <= outer * outer) {
                dot(x, y, ink);
            }
        }
    }
}

void Sketch::glyph(const Glyph& glyph, int left, int top, std::uint8_t ink) {
    for (int row = 0; row < static_cast<int>(glyph.size()); ++row) {
        const std::string_view text = glyph[row];
        for (int column = 0; column < static_cast<int>(text.size()); ++column) {
            if (text[column] == '#') {
                dot(left + column, top + row, ink);
            }
        }
    }
}

void Sketch::glyphHalo(const Glyph& glyph, int left, int top, std::uint8_t ink) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            this->glyph(glyph, left + dx, top + dy, ink);
        }
    }
}

}  // namespace qm::toolbar_art
