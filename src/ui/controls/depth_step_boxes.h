#pragma once

#include <QComboBox>
#include <QGroupBox>

#include "settings/depth_step_choices.h"

namespace zrv {

// "Bohren in Stufen" as the last row of the drilling parameters, "Zustellung" of the milling
// ones; editable, empty (off) at first.
QComboBox* addDepthStepBox(QGroupBox* parameterFrame, const char* name, const char* caption);

DepthStepChoices readDepthSteps(const QComboBox* passes, const QComboBox* pecks);
void writeDepthSteps(QComboBox* passes, QComboBox* pecks, const DepthStepChoices& steps);

}  // namespace zrv
