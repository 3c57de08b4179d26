#pragma once

// Window layouts are kept in twips, the unit they were designed in, so the numbers in the
// code stay the ones on the drawings. 15 twips make one device-independent pixel.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vellory {

inline constexpr int kTwipsPerPixel = 15;

constexpr int Twips(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

inline QSize TwipsSize(int width, int height)
{
    return QSize(Twips(width), Twips(height));
}

inline QPoint TwipsPoint(int left, int top)
{
    return QPoint(Twips(left), Twips(top));
}

}  // namespace vellory
