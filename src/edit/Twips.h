// Twips.h — sizes the windows are given in twips (1/1440 inch) become pixels at 15 twips each.
#pragma once

namespace kelpie {

constexpr int kTwipsPerPixel = 15;

}  // namespace kelpie
