#pragma once

#include <string>
#include <string_view>

namespace zrv {

// An open-dialog filter in the original "text|patterns|text|patterns" form, as Qt writes it:
// "ZIRVA(*.zrv *.zrv7)|*.zr*|alle(*.*)|*.*" gives "ZIRVA(*.zrv *.zrv7) (*.zr*);;alle(*.*) (*)".
// Patterns separated by ";" become blanks; "*.*" matches every file, also one without a dot.
std::string qtFileFilter(std::string_view filter);

// A name typed without extension takes the one of the chosen Qt filter when that names a
// single extension: "Bild" with "PNG-Bild (*.png) (*.png)" gives "Bild.png".
std::string withChosenExtension(std::string_view path, std::string_view chosenFilter);

}  // namespace zrv
