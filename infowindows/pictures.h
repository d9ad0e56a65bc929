// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>

// The About window's pictures, found by their resource IDs, loaded on first
// use and kept until the program ends.
class Pictures {
public:
    enum Id { AboutIcon = 168, AboutMask = 169, BadgeArt = 170, BadgeArtMask = 171 };

    static const QPixmap &picture(Id id);
    // The picture given its mask: where the mask is white, the window's
    // background shows through.
    static QPixmap masked(Id picture, Id mask);
    static void release();
};
