#include "files/file_replace.h"
#include "files/text_parts.h"

#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

Teiltext Zahlen(int32_t anzahl) {
    return {anzahl, [](int32_t i) { return std::to_string(i) + ","; }};
}

std::string ZahlenText(int32_t anzahl) {
    std::string text;
    for (int32_t i = 0; i < anzahl; ++i)
        text += std::to_string(i) + ",";
    return text;
}

} // namespace

// Parts made on two threads arrive in order; a part or a receiver that fails stops the making
// and its exception reaches the caller rather than a wait without end.
TEST(Teiltext, PartsArriveInOrderAndFaultsReachTheCaller) {
    EXPECT_EQ(Zusammen(Zahlen(500)), ZahlenText(500));
    EXPECT_EQ(Zusammen(Zahlen(0)), "");
    const Teiltext kaputt{500, [](int32_t i) {
                              if (i == 137) throw std::runtime_error("Teil");
                              return std::string("x");
                          }};
    EXPECT_THROW(Zusammen(kaputt), std::runtime_error);
    EXPECT_THROW(TeileMachen(Zahlen(500),
                             [](std::string& teil) {
                                 if (teil == "150,") throw std::runtime_error("weiter");
                             }),
                 std::runtime_error);
}

// A text in parts replaces a file whole: a new one, one renamed over, and a hard-linked one,
// which takes the kept parts a second time after the trial file.
TEST(Teiltext, ReplacesFilesWhole) {
    TempDir dir;
    const std::string route = dir.Datei("route.hpx");
    ASSERT_EQ(DateiErsetzen(route, Zahlen(3000)), SchreibErgebnis::Ok);
    EXPECT_EQ(DateiInhalt(route), ZahlenText(3000));
    DateiAnlegen(route, std::string(100000, 'a'));
    ASSERT_EQ(DateiErsetzen(route, Zahlen(2000)), SchreibErgebnis::Ok);
    EXPECT_EQ(DateiInhalt(route), ZahlenText(2000));
    std::filesystem::create_hard_link(route, dir.Datei("sicherung.hpx"));
    ASSERT_EQ(DateiErsetzen(route, Zahlen(1000)), SchreibErgebnis::Ok);
    EXPECT_EQ(DateiInhalt(dir.Datei("sicherung.hpx")), ZahlenText(1000));
}
