#include "util/TmyGraph.h"

#include "platform/Numbers.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"

#include <algorithm>
#include <array>
#include <cstdlib>

using platform::TColor;
using platform::TRect;

namespace {

using platform::extended;

struct Channels {
    std::int32_t r = 0;
    std::int32_t g = 0;
    std::int32_t b = 0;
};

Channels channelsOf(TColor c)
{
    return {platform::GetRValue(c), platform::GetGValue(c), platform::GetBValue(c)};
}

std::uint8_t channel(std::int64_t v)
{
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(v, 0, 255));
}

std::int32_t clip32(std::int64_t v)
{
    return platform::saturate32(v);
}

// The colour of step i of a progression from one colour to another in n steps, the
// increments per step kept in single precision.
class StepColours {
public:
    StepColours(Channels from, Channels delta, std::int64_t n)
        : from_(from),
          kR_(platform::single(platform::floatDiv(delta.r, static_cast<extended>(n)))),
          kG_(platform::single(platform::floatDiv(delta.g, static_cast<extended>(n)))),
          kB_(platform::single(platform::floatDiv(delta.b, static_cast<extended>(n))))
    {
    }

    TColor truncated(std::int64_t i) const
    {
        return platform::RGB(channel(platform::Trunc(from_.r + i * extended{kR_})),
                             channel(platform::Trunc(from_.g + i * extended{kG_})),
                             channel(platform::Trunc(from_.b + i * extended{kB_})));
    }

    // i may be a half step (the diagonal styles).
    TColor rounded(extended i) const
    {
        return platform::RGB(channel(from_.r + platform::Round(i * kR_)), channel(from_.g + platform::Round(i * kG_)),
                             channel(from_.b + platform::Round(i * kB_)));
    }

private:
    Channels from_;
    float kR_;
    float kG_;
    float kB_;
};

// Draws one style on the off-screen canvas, whose logical area is (0, 0)-(W, H).
class GradientPainter {
public:
    GradientPainter(platform::TCanvas& canvas, std::int32_t w, std::int32_t h, TColor c1, TColor c2)
        : cv_(canvas), w_(w), h_(h), c1_(c1), c2_(c2), from_(channelsOf(c1))
    {
        const Channels to = channelsOf(c2);
        delta_ = {to.r - from_.r, to.g - from_.g, to.b - from_.b};
        s_ = std::max({std::abs(delta_.r), std::abs(delta_.g), std::abs(delta_.b)});
        if (s_ == 0)
            s_ = 1;
        cx_ = w_ / 2;
        cy_ = h_ / 2;
        cv_.Pen.Width = 1;
        cv_.Brush.Style = platform::TBrushStyle::bsSolid;
    }

    void draw(TGradientStyle style)
    {
        switch (style) {
        case TGradientStyle::gsHorizontal1: bands(false); break;
        case TGradientStyle::gsVertical1: bands(true); break;
        case TGradientStyle::gsHorizontal2: mirroredAboutMiddle(false); break;
        case TGradientStyle::gsVertical2: mirroredAboutMiddle(true); break;
        case TGradientStyle::gsHorizontal3: mirroredAboutThird(false); break;
        case TGradientStyle::gsVertical3: mirroredAboutThird(true); break;
        case TGradientStyle::gsElliptic1: ellipses(extended(w_) / s_ / 2, extended(h_) / s_ / 2); break;
        case TGradientStyle::gsElliptic2: ellipses(extended(w_) / s_ * 0.695L, extended(h_) / s_ * 0.695L); break;
        case TGradientStyle::gsElliptic3:
            cx_ = cx_ - w_ / 4 + 1;
            cy_ = cy_ - h_ / 4 + 1;
            ellipses(extended(w_) / s_ * 0.82L, extended(h_) / s_ * 0.82L);
            break;
        case TGradientStyle::gsRectangle: rectangles(); break;
        case TGradientStyle::gsDiamond1: diamonds(false); break;
        case TGradientStyle::gsDiamond2: diamonds(true); break;
        case TGradientStyle::gsTopLeft: diagonal(false); break;
        case TGradientStyle::gsTopRight: diagonal(true); break;
        }
    }

private:
    void pen(TColor c) { cv_.Pen.Color = c; }
    void penAndBrush(TColor c) { cv_.Pen.Color = cv_.Brush.Color = c; }

    void line(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2)
    {
        cv_.MoveTo(clip32(x1), clip32(y1));
        cv_.LineTo(clip32(x2), clip32(y2));
    }

    // A full-height line at x, or a full-width one at y.
    void crossLine(bool vertical, std::int64_t at)
    {
        if (vertical)
            line(at, 0, at, h_);
        else
            line(0, at, w_, at);
    }

    void bands(bool vertical)
    {
        const std::int32_t size = vertical ? w_ : h_;
        std::int32_t n = s_;
        if (size < n)
            n = size;
        if (n == 0)
            n = 1;
        const std::int32_t band = platform::div32(size, n);
        n = platform::div32(size, band);
        if (n == 0)
            n = 1;
        const StepColours steps(from_, delta_, n);
        for (std::int64_t i = 0; i <= n; ++i) {
            cv_.Brush.Color = steps.truncated(i);
            const std::int64_t a = i * band, b = i * band + band;
            if (vertical)
                cv_.FillRect(TRect{clip32(a), 0, clip32(b), h_});
            else
                cv_.FillRect(TRect{0, clip32(a), w_, clip32(b)});
        }
    }

    void mirroredAboutMiddle(bool vertical)
    {
        std::int64_t n = (vertical ? w_ : h_) / 2;
        if (n == 0)
            n = 1;
        mirrored(vertical, n, n, false);
    }

    void mirroredAboutThird(bool vertical)
    {
        const std::int32_t size = vertical ? w_ : h_;
        std::int64_t n = platform::Round(size * 0.67L);
        if (n == 0)
            n = 1;
        mirrored(vertical, n, size / 3, true);
    }

    // Lines at m, then at m + i and m - i for i = 1 to n; onlyInside skips m - i below 0.
    void mirrored(bool vertical, std::int64_t n, std::int64_t m, bool onlyInside)
    {
        const StepColours steps(from_, delta_, n);
        pen(c1_);
        crossLine(vertical, m);
        for (std::int64_t i = 1; i <= n; ++i) {
            pen(steps.rounded(i));
            crossLine(vertical, m + i);
            if (!onlyInside || m - i >= 0)
                crossLine(vertical, m - i);
        }
    }

    void ellipses(extended qxExact, extended qyExact)
    {
        const float qx = platform::single(qxExact), qy = platform::single(qyExact);
        const StepColours steps(from_, delta_, s_);
        penAndBrush(c2_);
        cv_.Rectangle(0, 0, w_, h_);
        for (std::int64_t i = s_; i >= 1; --i) {
            penAndBrush(steps.rounded(i));
            const std::int64_t rx = platform::Round(i * extended{qx}), ry = platform::Round(i * extended{qy});
            cv_.Ellipse(clip32(cx_ - rx), clip32(cy_ - ry), clip32(cx_ + rx), clip32(cy_ + ry));
        }
    }

    void rectangles()
    {
        const float qx = platform::single(extended(w_) / s_ / 2), qy = platform::single(extended(h_) / s_ / 2);
        const StepColours steps(from_, delta_, s_);
        for (std::int64_t i = s_; i >= 0; --i) {
            penAndBrush(steps.rounded(i));
            const std::int64_t rx = platform::Round(i * extended{qx}), ry = platform::Round(i * extended{qy});
            cv_.Rectangle(clip32(cx_ - rx), clip32(cy_ - ry), clip32(cx_ + rx + 1), clip32(cy_ + ry + 1));
        }
    }

    void diamonds(bool wide)
    {
        const std::int32_t m = std::max(w_, h_);
        std::int32_t n = std::max(wide ? m : m / 2, s_);
        if (n == 0)
            n = 1;
        const extended spread = wide ? 1 : 2;
        const float qx = platform::single(extended(w_) / n / spread), qy = platform::single(extended(h_) / n / spread);
        const StepColours steps(from_, delta_, n);
        penAndBrush(c2_);
        cv_.Rectangle(0, 0, w_, h_);
        for (std::int64_t i = n; i >= 1; --i) {
            penAndBrush(steps.rounded(i));
            const std::int64_t rx = platform::Round(i * extended{qx}), ry = platform::Round(i * extended{qy});
            const std::array<platform::TPoint, 5> outline = {{{clip32(cx_), clip32(cy_ - ry)},
                                                              {clip32(cx_ + rx), clip32(cy_)},
                                                              {clip32(cx_), clip32(cy_ + ry)},
                                                              {clip32(cx_ - rx), clip32(cy_)},
                                                              {clip32(cx_), clip32(cy_ - ry)}}};
            cv_.Polyline(outline);
        }
        cv_.SetPixels(clip32(cx_), clip32(cy_), c1_);
    }

    void diagonal(bool fromTopRight)
    {
        const std::int32_t m = std::max(w_, h_);
        const float qx = platform::single(platform::floatDiv(w_, m));
        const float qy = platform::single(platform::floatDiv(h_, m));
        const std::int64_t n = m == 0 ? 1 : m;
        const StepColours steps(from_, delta_, n);
        for (std::int64_t i = 0; i <= n; ++i) {
            const std::int64_t px = platform::Round(i * extended{qx}), py = platform::Round(i * extended{qy});
            const extended half = extended(i) / 2;
            pen(steps.rounded(half));
            if (fromTopRight)
                line(w_, py, w_ - px, -1);
            else
                line(0, py, px, -1);
            pen(steps.rounded(n - half));
            if (fromTopRight)
                line(0, h_ - py, px, h_);
            else
                line(w_, h_ - py, w_ - px, h_);
        }
    }

    platform::TCanvas& cv_;
    std::int32_t w_;
    std::int32_t h_;
    TColor c1_;
    TColor c2_;
    Channels from_;
    Channels delta_;
    std::int32_t s_ = 1;
    std::int64_t cx_ = 0;
    std::int64_t cy_ = 0;
};

} // namespace

void TmyGraph::Gradient(platform::TCanvas& can, const TRect& r, TColor ColFrom, TColor ColTo, TGradientStyle Style)
{
    const std::int32_t w = platform::sub32(r.Right, r.Left);
    const std::int32_t h = platform::sub32(r.Bottom, r.Top);

    // Only the part of r that can reach can is drawn off screen; the styles still work in
    // the coordinates of the whole rectangle.
    const TRect clip = can.ClipRect();
    const TRect visible{std::max(r.Left, clip.Left), std::max(r.Top, clip.Top), std::min(r.Right, clip.Right),
                        std::min(r.Bottom, clip.Bottom)};
    platform::TBitmap image;
    if (!visible.IsEmpty())
        image.SetSize(static_cast<std::int32_t>(visible.Width()), static_cast<std::int32_t>(visible.Height()));
    image.Canvas().SetOrigin(clip32(visible.Left - std::int64_t{r.Left}), clip32(visible.Top - std::int64_t{r.Top}));

    const TColor c1 = platform::ColorToRGB(ColFrom);
    const TColor c2 = platform::ColorToRGB(ColTo);
    if (c1 == c2) {
        image.Canvas().Pen.Color = image.Canvas().Brush.Color = ColFrom;
        image.Canvas().Rectangle(0, 0, w, h);
    } else {
        GradientPainter(image.Canvas(), w, h, c1, c2).draw(Style);
    }
    if (!visible.IsEmpty())
        can.StretchDraw(visible, image);
}

void TmyGraph::GradientXY(platform::TCanvas& can, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                          TColor ColFrom, TColor ColTo, TGradientStyle Style)
{
    const TRect r{x1, y1, x2, y2};
    Gradient(can, r, ColFrom, ColTo, Style);
    can.Brush.Color = platform::clBlack;
    can.FrameRect(r);
    can.Brush.Color = platform::clWhite;
}
