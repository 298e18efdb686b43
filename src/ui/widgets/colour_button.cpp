#include "ui/widgets/colour_button.h"

namespace zrv {

ColourButton::ColourButton(Colour colour, QWidget* parent) : QPushButton(parent) {
    setColour(colour);
}

void ColourButton::setColour(Colour colour) {
    colour_ = colour;
    setStyleSheet(QStringLiteral("background-color: rgb(%1, %2, %3); border: 1px solid gray;")
                      .arg(red(colour))
                      .arg(green(colour))
                      .arg(blue(colour)));
}

}  // namespace zrv
