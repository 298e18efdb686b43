#pragma once

#include <QPushButton>

#include "preview/view_choices.h"

namespace zrv {

// A button without caption whose background is a drawing colour; the button is the only
// holder of that colour.
class ColourButton final : public QPushButton {
  public:
    ColourButton(Colour colour, QWidget* parent);

    Colour colour() const { return colour_; }
    void setColour(Colour colour);

  private:
    Colour colour_ = 0;
};

}  // namespace zrv
