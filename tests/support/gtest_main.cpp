#include "support/temp_dir.h"

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Writes in place keep the old bytes in the state folder: the test's own, not the user's.
    const TempDir zustand;
    setenv("XDG_STATE_HOME", zustand.Pfad().c_str(), 1);
    return RUN_ALL_TESTS();
}
