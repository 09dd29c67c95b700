#include "files/cp1252.h"
#include "files/file_replace.h"
#include "files/format_streams.h"

#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <stdexcept>

namespace {

// Writes "0,1,2,..." in pieces of one number each.
Schreiber Zahlen(int32_t anzahl) {
    return [anzahl](std::ostream& aus) {
        for (int32_t i = 0; i < anzahl; ++i)
            aus << i << ',';
    };
}

std::string ZahlenText(int32_t anzahl) {
    std::string text;
    for (int32_t i = 0; i < anzahl; ++i)
        text += std::to_string(i) + ",";
    return text;
}

} // namespace

// Bytes made while they are written replace a file whole: a new one, one renamed over, and a
// hard-linked one, which takes the bytes made anew after the trial file; a writer
// that fails on the way reaches the caller and leaves the old file.
TEST(Schreiber, ReplacesFilesWholeAndFaultsReachTheCaller) {
    TempDir dir;
    const std::string route = dir.Datei("route.hpx");
    ASSERT_EQ(DateiErsetzen(route, Zahlen(300000)), SchreibErgebnis::Ok);
    EXPECT_EQ(DateiInhalt(route), ZahlenText(300000));
    DateiAnlegen(route, std::string(100000, 'a'));
    ASSERT_EQ(DateiErsetzen(route, Zahlen(2000)), SchreibErgebnis::Ok);
    EXPECT_EQ(DateiInhalt(route), ZahlenText(2000));
    std::filesystem::create_hard_link(route, dir.Datei("sicherung.hpx"));
    ASSERT_EQ(DateiErsetzen(route, Zahlen(400000)), SchreibErgebnis::Ok);
    EXPECT_EQ(DateiInhalt(dir.Datei("sicherung.hpx")), ZahlenText(400000));

    const Schreiber kaputt = [](std::ostream& aus) {
        aus << std::string(3 << 20, 'x');
        throw std::runtime_error("Teil");
    };
    EXPECT_THROW(DateiErsetzen(route, kaputt), std::runtime_error);
    EXPECT_EQ(DateiInhalt(route), ZahlenText(400000));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Pfad()), {}), 2);
}

// The text streamed through the conversion in pieces of any size gives the bytes of the whole
// text converted at once, also where a piece ends inside a character or a broken sequence.
TEST(Cp1252Puffer, StreamedTextConvertsAsTheWhole) {
    std::mt19937 zufall(7);
    const std::string zeichen[] = {"a",    "\n",       "\t",       "ä",    "€", "–",
                                   "\xF0", "\xC2\x81", "\xE2\x82", "\x80", "𝄞", "0123456789"};
    for (int lauf = 0; lauf < 40; ++lauf) {
        std::string text;
        const size_t laenge = lauf < 20 ? 3000 : 3'000'000;
        // Mostly ASCII, as the files are; every fifth text nearly without it.
        const int ascii = lauf % 5 == 0 ? 1 : 8;
        while (text.size() < laenge) {
            const auto i = zufall() % 12;
            text += zufall() % 10 < static_cast<unsigned>(ascii) ? "ab \t" : zeichen[i];
        }
        std::ostringstream ziel;
        {
            Cp1252Puffer puffer(ziel);
            std::ostream aus(&puffer);
            for (size_t pos = 0; pos < text.size();) {
                const size_t stueck = std::min<size_t>(zufall() % 70000, text.size() - pos);
                aus.write(text.data() + pos, static_cast<std::streamsize>(stueck));
                pos += stueck;
            }
            ASSERT_TRUE(puffer.Abschliessen());
        }
        ASSERT_EQ(ziel.str(), Utf8ZuCp1252(text)) << lauf;
    }
    EXPECT_EQ(SichererSchnitt("ab\xC3\xA4"
                              "cde"),
              7u);
    EXPECT_EQ(SichererSchnitt("abc\xF0"
                              "de"),
              3u);
    EXPECT_EQ(SichererSchnitt("\xF0"
                              "de"),
              0u);
}
