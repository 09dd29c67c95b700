// Where a window opens whose place was kept on another desktop.
#include "app/window_place.h"

#include <gtest/gtest.h>

TEST(FensterOrt, AStoredPlaceComesWholeOntoTheScreenItOverlapsMost) {
    const QList<QRect> schirme{QRect(0, 0, 1920, 1050), QRect(1920, 0, 1280, 1024)};
    const QMargins rahmen(2, 30, 2, 2); // the title bar above the inner area
    const QSize kleinste(400, 200);     // what the window's controls need
    // Where it fits, it stays.
    EXPECT_EQ(FensterOrt(150, 120, 900, 500, schirme, rahmen, kleinste), QRect(150, 120, 900, 500));
    // Smaller than its controls allow: as large as they need, moved to keep it on the screen.
    EXPECT_EQ(FensterOrt(1700, 900, 100, 100, schirme, rahmen, kleinste),
              QRect(1518, 848, 400, 200));
    // Mostly on the right screen and larger than it: that screen, whole, the title bar on it.
    EXPECT_EQ(FensterOrt(1800, -200, 3000, 1500, schirme, rahmen, kleinste),
              QRect(1922, 30, 1276, 992));
    // Half above the top edge: moved down until the title bar shows.
    EXPECT_EQ(FensterOrt(100, -3000, 500, 3400, schirme, rahmen, kleinste),
              QRect(100, 30, 500, 1018));
    // Never placed, on no screen, or beyond every desktop: the default place.
    EXPECT_EQ(FensterOrt(0, 0, 0, 0, schirme, rahmen, kleinste), std::nullopt);
    EXPECT_EQ(FensterOrt(5000, 0, 800, 600, schirme, rahmen, kleinste), std::nullopt);
    EXPECT_EQ(FensterOrt(2147483647, 2147483647, 2147483647, 2147483647, schirme, rahmen, kleinste),
              std::nullopt);
}
