#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "load_helper.h"
#include "store/entry_text.h"
#include "support/drawing_builder.h"
#include "support/example_drawings.h"
#include "support/file_bytes.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"

namespace zrv {
namespace {

struct Analysed {
    LoadResult result;
    ProgramState state;
    std::vector<std::string> messages;
};

Analysed analyseBytes(std::string bytes) {
    Analysed analysed;
    analysed.state.file.DATEI_NAME = "/tmp/kaputt.zrv";
    analysed.state.file.DATEI_INHALT = std::move(bytes);
    test::RecordingHost recorder;
    analysed.result = ANALYSE_DATEI(analysed.state, test::unchangedOrder(), recorder.host);
    analysed.messages = recorder.progress.messages;
    return analysed;
}

bool isPrefixOf(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
    return part.size() <= whole.size() && std::equal(part.begin(), part.end(), whole.begin());
}

bool isSubsequenceOf(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
    auto next = whole.begin();
    for (const std::string& entry : part) {
        next = std::find(next, whole.end(), entry);
        if (next == whole.end()) {
            return false;
        }
        ++next;
    }
    return true;
}

// Every entry keeps the grammar of the store: markers, digits, signs and points only.
void expectWellFormed(const FigureStore& store) {
    for (FigureList list : kAllFigureLists) {
        for (const std::string& entry : figureList(store, list)) {
            ASSERT_EQ(entry.find_first_not_of(" XYRABV=.-0123456789"), std::string::npos) << entry;
            ASSERT_FALSE(readPairs(entry).empty()) << entry;
        }
    }
}

// An analysis failure always comes with a message that was shown.
void expectReported(const Analysed& analysed) {
    if (analysed.result.outcome == LoadOutcome::AnalysisFailed) {
        EXPECT_FALSE(analysed.result.message.empty());
        EXPECT_EQ(analysed.messages.back(), analysed.result.message);
    }
}

// Each kind's list of a cut drawing is the start of the whole drawing's list; the milling
// list, filled kind after kind, keeps its order.
TEST(BadInput, EveryPrefixOfTheExamplesReadsAPrefixOfEveryList) {
    for (const std::string& whole : {test::platine40Bytes(), test::platine70Bytes()}) {
        const Analysed full = analyseBytes(whole);
        ASSERT_EQ(full.result.outcome, LoadOutcome::Loaded);
        int failures = 0;
        for (std::size_t length = 0; length <= whole.size(); ++length) {
            SCOPED_TRACE(length);
            const Analysed part = analyseBytes(whole.substr(0, length));
            expectReported(part);
            failures += part.result.outcome == LoadOutcome::AnalysisFailed ? 1 : 0;
            for (FigureList list : kAllFigureLists) {
                const auto& partList = figureList(part.state.store, list);
                const auto& fullList = figureList(full.state.store, list);
                ASSERT_TRUE(list == FigureList::Fraesungen ? isSubsequenceOf(partList, fullList)
                                                           : isPrefixOf(partList, fullList));
            }
        }
        EXPECT_GT(failures, 0);
    }
}

TEST(BadInput, EveryPrefixLoadedFromDiskEndsCleanly) {
    test::ScratchFolder folder;
    const std::string whole = test::platine70Bytes();
    for (std::size_t length = 0; length <= whole.size(); length += 7) {
        SCOPED_TRACE(length);
        const std::string path = folder.file("teil.zrv7");
        test::writeBytes(path, whole.substr(0, length));
        test::RecordingHost recorder;
        ProgramState state;
        const LoadResult result = DATEI_LADEN(state, path, test::unchangedOrder(), recorder.host);
        EXPECT_NE(result.outcome, LoadOutcome::ReadFailed);
        EXPECT_EQ(state.file.DATEI_INHALT.size(), length);
        expectWellFormed(state.store);
    }
}

TEST(BadInput, RandomBytesNeverBreakTheReader) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> length(0, 3000);
    const std::string markers[] = {std::string("\x08\x01\x00\x02", 4),
                                   std::string("\x04\x00\x01", 3), std::string("\x02\x00\x01", 3),
                                   std::string("\x05\x00\x01", 3), std::string("\x01\x00\x01", 3)};
    for (int round = 0; round < 300; ++round) {
        std::string bytes(round % 3 == 0 ? "" : (round % 3 == 1 ? "\x07ZIRVA40" : "\x07ZIRVA70"));
        const std::size_t size = length(random);
        for (std::size_t i = 0; i < size; ++i) {
            // Mostly zeros, so that marker hits pass the fixed-byte tests now and then.
            const int b = byte(random);
            if (b < 40) {
                bytes += markers[static_cast<std::size_t>(b) % 5];
            } else {
                bytes.push_back(b < 200 ? '\0' : static_cast<char>(byte(random)));
            }
        }
        SCOPED_TRACE(round);
        const Analysed analysed = analyseBytes(bytes);
        expectReported(analysed);
        expectWellFormed(analysed.state.store);
    }
}

TEST(BadInput, DamagedEndsOfFiles) {
    const std::string line(std::string("\x04\x00\x01", 3));
    struct Case {
        const char* name;
        std::string bytes;
        const char* message;
    };
    std::string countAtTheEnd = "\x07ZIRVA40" + line + std::string(25, '\0');
    countAtTheEnd[8 + 24] = '\xFF';
    const Case cases[] = {
        {"count 255 near the end", countAtTheEnd, "Error in: CALC_KOORDINATEN"},
        {"colour bytes past the end", "\x07ZIRVA40" + line + std::string(5, '\0'),
         "Die Zeichnung \"kaputt.zrv\" wurde nicht vollständig gelesen: Linie an Position 9: der "
         "Datensatz endet vor seiner Farbe."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Analysed analysed = analyseBytes(c.bytes);
        EXPECT_EQ(analysed.result.outcome, LoadOutcome::AnalysisFailed);
        EXPECT_EQ(analysed.result.message, c.message);
    }
}

}  // namespace
}  // namespace zrv
