#pragma once

#include <string>

namespace zrv::test {

// The sample boards of examples/: holes on the 2.54 mm pitch (50 drawing units with the
// default calibration), tracks of touching segments, a board outline, a polygon, mounting
// holes, an arc, and figures in several colours, one of them taken only with "Farbe alle".
std::string platine40Bytes();  // tag "ZIRVA40", older layouts
std::string platine70Bytes();  // tag "ZIRVA70", newer layouts, with an ellipse

}  // namespace zrv::test
