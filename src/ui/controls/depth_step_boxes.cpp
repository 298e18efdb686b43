#include "ui/controls/depth_step_boxes.h"

#include <QGridLayout>
#include <QLabel>

#include "ui/common/qt_text.h"

namespace zrv {

QComboBox* addDepthStepBox(QGroupBox* parameterFrame, const char* name, const char* caption) {
    auto* layout = static_cast<QGridLayout*>(parameterFrame->layout());
    auto* box = new QComboBox(parameterFrame);
    box->setObjectName(QString::fromUtf8(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setMinimumContentsLength(6);
    box->setToolTip(QStringLiteral("Tiefe je Schritt in mm; leer oder 0: aus"));
    const int row = layout->rowCount();
    layout->addWidget(new QLabel(QString::fromUtf8(caption), parameterFrame), row, 0);
    layout->addWidget(box, row, 1);
    layout->addWidget(new QLabel(QStringLiteral("mm"), parameterFrame), row, 2);
    return box;
}

DepthStepChoices readDepthSteps(const QComboBox* passes, const QComboBox* pecks) {
    return {utf8(passes->currentText()), utf8(pecks->currentText())};
}

void writeDepthSteps(QComboBox* passes, QComboBox* pecks, const DepthStepChoices& steps) {
    passes->setEditText(qs(steps.Combo_ZUSTELLUNG));
    pecks->setEditText(qs(steps.Combo_BOHREN_IN_STUFEN));
}

}  // namespace zrv
