#include "editing/describing.h"

#include "editing_helpers.h"

#include <gtest/gtest.h>

TEST(BeschreibungSpeichern, StoresAtMost500Characters) {
    Profile p = Strecke("AB");
    EXPECT_TRUE(BeschreibungSpeichern(p, 1, "Über den Paß"));
    EXPECT_EQ(p.Abschnitte[1].Beschreibung, "Über den Paß");

    std::string lang;
    for (int i = 0; i < 600; ++i)
        lang += "ä";
    BeschreibungSpeichern(p, 0, lang);
    EXPECT_EQ(p.Abschnitte[0].Beschreibung.size(), 1000u) << "500 two-byte characters";

    EXPECT_FALSE(BeschreibungSpeichern(p, 2, "x"));
    EXPECT_FALSE(BeschreibungSpeichern(p, -1, "x"));

    // Only a text that stores differently is a change: a longer text with the same first 500
    // characters is none.
    EXPECT_FALSE(BeschreibungAendertSich(p, 0, lang + "ü"));
    EXPECT_TRUE(BeschreibungAendertSich(p, 1, "Über den Pass"));
    EXPECT_FALSE(BeschreibungAendertSich(p, 1, "Über den Paß"));
    EXPECT_FALSE(BeschreibungAendertSich(p, 2, "x"));
}
