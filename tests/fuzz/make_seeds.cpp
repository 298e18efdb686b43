// Writes the seed files of the fuzz corpus: make_fuzz_seeds [FOLDER] (default: the corpus
// folder of the source tree). Findings are added beside them by hand, minimised.
#include <bit>
#include <filesystem>
#include <iostream>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_file.h"
#include "settings/factory_values.h"
#include "settings/settings_file.h"
#include "support/drawing_builder.h"
#include "support/example_drawings.h"
#include "support/file_bytes.h"

namespace zrv::test {
namespace {

namespace fs = std::filesystem;

// All kinds, all colours, German, level 1 for both, standard scale, the drawing's own header,
// factory parameters, every export box.
const std::string kEverything{'\x1F', '\x7F', '\x11', '\x00', '\x0F'};
// The same with flush, mirror, the rows level for holes and level 7 for paths, the dump and
// the route pass for both.
const std::string kTransformed{'\xDF', '\x3F', '\x72', '\x00', '\x7F'};
// Red and black only, greyed kind boxes, no optimisation, scale 1:1, "ZIRVA70" put in front.
const std::string kFiltered{'\x3F', '\x11', '\x00', '\x11', '\x03'};

std::string smallDrawing(const std::string& tag, Layout layout) {
    DrawingBuilder drawing(tag, layout);
    drawing.point({10, 20}, kRot)
        .point({-5, 7.5f}, kSchwarz)
        .line({{0, 0}, {100, 0}, {100, 50}}, kBlau)
        .line({{100, 50}, {0, 0}}, kOrange)
        .rectangle({0, 0}, {200, 100}, kSchwarz)
        .polygon({{0, 0}, {50, 0}, {25, 40}}, kGruen)
        .circle({0, 0}, {40, 20}, 0, std::numbers::pi_v<float>, kGrau);
    return drawing.bytes();
}

// A line whose vertex list runs past the end of the file, and a point cut inside its values.
std::string cutDrawing() {
    DrawingBuilder drawing;
    drawing.point({1, 2}, kRot).line({{0, 0}, {1, 1}, {2, 2}}, kBlau);
    std::string bytes = drawing.bytes();
    return bytes.substr(0, bytes.size() - 6);
}

std::string hugeValues(Layout layout) {
    DrawingBuilder drawing(layout == Layout::Zirva70 ? "ZIRVA70" : "ZIRVA40", layout);
    const float big = std::bit_cast<float>(0x7F7FFFFFu);
    drawing.point({big, -big}, kRot)
        .line({{-big, 0}, {big, 1e-30f}}, kBlau)
        .circle({-big, -big}, {big, big}, -1e30f, 1e30f, kGrau);
    return drawing.raw(std::string("\x01\x00\x01\x00\x00\x00\x00", 7)).bytes();
}

void write(const fs::path& folder, const std::string& name, const std::string& bytes) {
    writeBytes(folder / name, bytes);
}

// Controller replies as the link target reads them: pieces of at most 32 bytes, each after a
// byte that gives its length and about a second of the controller's time.
std::string replyPieces(const std::vector<std::string>& lines) {
    std::string bytes(1, '\x00');
    for (const std::string& line : lines) {
        const std::string text = line + "\r\n";
        for (std::size_t at = 0; at < text.size(); at += 32) {
            const std::string piece = text.substr(at, 32);
            bytes.push_back(static_cast<char>(piece.size() - 1 + 96));
            bytes += piece;
        }
    }
    return bytes;
}

void controllerSeeds(const fs::path& folder) {
    const std::string idle = "<Idle|MPos:0.000,0.000,0.000|FS:0,0|WCO:0.000,0.000,0.000>";
    write(folder, "seed_replies_job",
          replyPieces({"Grbl 1.1h ['$' for help]",
                       idle,
                       idle,
                       "ok",
                       "ok",
                       "[VER:1.1h.20190825:]",
                       "ok",
                       idle,
                       "ok",
                       "ok",
                       "<Hold:0|MPos:1.000,0.000,0.000|FS:0,0>",
                       "ok",
                       "[PRB:1.000,0.000,-0.500:1]",
                       "ok",
                       idle,
                       "ok",
                       "ok",
                       "ok",
                       idle,
                       idle}));
    write(folder, "seed_replies_error",
          replyPieces({"Grbl 1.1h ['$' for help]", idle, idle, "ok", "ok", "error:20",
                       "<Hold:1|MPos:0,0,0|FS:0,0>", "<Hold:0|MPos:0,0,0|FS:0,0>",
                       "<Hold:0|MPos:0,0,0|FS:0,0>", "Grbl 1.1h ['$' for help]"}));
    write(folder, "seed_replies_alarm",
          replyPieces({"Grbl 1.1h ['$' for help]", idle, idle, "ok", "ALARM:2",
                       "[MSG:Reset to continue]", "<Alarm|MPos:0,0,0|FS:0,0>"}));
    write(folder, "seed_program",
          "\x01(Kopf)\r\nG21\r\nG90\r\n$I\r\n? (x)\r\n(Werkzeug)\r\nM0\r\nG1 X1 F100\r\n"
          "G38.2 Z-2 F20\r\nG0 Z2\r\n$$\r\nG10 L20 P1 Z0\r\nM30\r\n");
    write(folder, "seed_program_refused", "\x01G21\r\nT1 M6\r\nG1 X1\xE4\r\n");
    write(folder, "seed_commands",
          "\x03$J=G91 G21 X10 F500\n G10 L20 P1 X0 Y0 \n$H\nG38.2 Z-2 F20\nM6\n$X\n?\nG1 X1\xE4\n");
}

void loadSeeds(const fs::path& folder) {
    const std::string p40 = platine40Bytes();
    const std::string p70 = platine70Bytes();
    write(folder, "seed_platine40", kEverything + p40);
    write(folder, "seed_platine70", kEverything + p70);
    write(folder, "seed_platine40_transformed", kTransformed + p40);
    write(folder, "seed_platine70_filtered", kFiltered + p70.substr(8));
    write(folder, "seed_small40", kEverything + smallDrawing("ZIRVA40", Layout::Older));
    write(folder, "seed_small70", kTransformed + smallDrawing("ZIRVA70", Layout::Zirva70));
    write(folder, "seed_small_lower_case_tag",
          kEverything + smallDrawing("zirva70", Layout::Older));
    write(folder, "seed_foreign_tag", kEverything + smallDrawing("ABCDEFG", Layout::Older));
    write(folder, "seed_cut", kEverything + cutDrawing());
    write(folder, "seed_huge40", kTransformed + hugeValues(Layout::Older));
    write(folder, "seed_huge70", kEverything + hugeValues(Layout::Zirva70));
    write(folder, "seed_empty", kEverything);
    write(folder, "seed_cut_header", kEverything + p40.substr(0, 6));
    write(folder, "seed_cut_in_fixed_bytes", kEverything + p40.substr(0, 13));
}

// The road's byte after the five choices: the surface (bits 0-1), the pass and the peck depth's
// texts (bits 2-4, 5-7).
void roadSeeds(const fs::path& folder) {
    const std::string p40 = platine40Bytes();
    const std::string p70 = platine70Bytes();
    write(folder, "seed_platine40_tilted_steps", kEverything + '\x25' + p40);
    write(folder, "seed_platine70_route_saddle", kTransformed + '\x4A' + p70);
    write(folder, "seed_platine70_filtered", kFiltered + '\x00' + p70.substr(8));
    write(folder, "seed_small40_both",
          kEverything + '\x03' + smallDrawing("ZIRVA40", Layout::Older));
    write(folder, "seed_platine40_absurd_steps", kEverything + '\x76' + p40);
    write(folder, "seed_huge70", kEverything + '\x01' + hugeValues(Layout::Zirva70));
    write(folder, "seed_cut", kEverything + '\x01' + cutDrawing());
    write(folder, "seed_empty", kEverything);
}

std::string settingsBytes(const Settings& settings, NumberLocale locale) {
    return windowsText(settingsLines(settings, locale));
}

void settingsSeeds(const fs::path& folder) {
    const Settings german{"C:\\Zeichnungen\\Übung ä.zrv", factoryChoices(kGermanLocale)};
    const Settings c{"/home/platine.zrv7", factoryChoices(kCLocale)};
    const std::string germanFile = settingsBytes(german, kGermanLocale);
    write(folder, "seed_german", "\x01" + germanFile);
    write(folder, "seed_c", std::string("\x02") + settingsBytes(c, kCLocale));
    write(folder, "seed_cut", "\x01" + germanFile.substr(0, germanFile.size() / 2) + "ENDE\r\n");
    write(folder, "seed_foreign_revision", "\x03" + std::string("a.zrv\r\n 1 \r\nENDE\r\n"));
    write(folder, "seed_lf_only", std::string("\x00\x43:\\x.zrv\n 2 \n 1e5 \nENDE", 23));
    write(folder, "seed_empty", std::string(1, '\0'));
    write(folder, "seed_machine", "\x01$110=2000.000\r\n$11=0.020\r\n$112=abc\r\nok\r\n");
    // The step texts of the extra file, read from the same bytes.
    write(folder, "seed_steps",
          "\x01" + germanFile + "zustellung=0,05\r\nbohren_in_stufen=0,0015 mm\r\n");
    write(folder, "seed_steps_absurd",
          std::string("\x00") + "zustellung=1e-300\r\nbohren_in_stufen=0,00000001\r\n");
    // Lines of the extra file that are named and not used, after a byte-order mark; UTF-16.
    write(folder, "seed_extra_lines",
          "\x01\xEF\xBB\xBFzustellung=0,5\r\nzustelung=1\r\nZustellung=2\r\nohne gleich\r\n"
          "antasten_vorschub=5abc\r\nantasten_raster=1.5.5\r\n");
    write(folder, "seed_extra_utf16",
          std::string(1, '\0') + utf16Bytes("zustellung=0,5\r\nantasten_vorschub=500\r\n", true));
}

void numberSeeds(const fs::path& scan, const fs::path& format) {
    const std::vector<std::string> texts = {"12,5",   " - 3 . 25 mm",
                                            "+0.000", "-0",
                                            "1e5",    "..5",
                                            "1.2.3",  std::string(400, '9') + ".5",
                                            "\t7",    "0." + std::string(330, '0') + "1"};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        write(scan, "seed_" + std::to_string(i), texts[i]);
    }
    const std::vector<double> values = {12.5,
                                        -0.0004,
                                        -0.0,
                                        0.0625,
                                        1234567.891,
                                        2.5,
                                        1e20,
                                        1e-5,
                                        1e15,
                                        5e-324,
                                        1.7976931348623157e308,
                                        -999999,
                                        0.1 * 3,
                                        2.0 / 3,
                                        1.0005};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto bits = std::bit_cast<std::array<char, 8>>(values[i]);
        const char choice = static_cast<char>(i % 2);
        write(format, "seed_" + std::to_string(i), std::string(bits.begin(), bits.end()) + choice);
    }
}

}  // namespace
}  // namespace zrv::test

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const fs::path corpus =
        argc > 1 ? fs::path(argv[1]) : fs::path(ZRV_SOURCE_DIR) / "tests" / "fuzz" / "corpus";
    try {
        zrv::test::loadSeeds(corpus / "load");
        zrv::test::loadSeeds(corpus / "picture");
        zrv::test::roadSeeds(corpus / "road");
        zrv::test::settingsSeeds(corpus / "settings");
        zrv::test::numberSeeds(corpus / "number_scan", corpus / "number_format");
        fs::create_directories(corpus / "controller");
        zrv::test::controllerSeeds(corpus / "controller");
    } catch (const std::exception& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
    std::cout << corpus.string() << '\n';
    return 0;
}
