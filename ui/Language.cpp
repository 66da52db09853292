#include <QAction>

#include "platform/controls/Panel.h"
#include "ui/ClavitoMain.h"
#include "ui/MenuData.h"

void TMainForm::UpdateHints() {
    const bool japanese = Japanese1->isChecked();
    platform::TLabel* labels[] = {ModLabel, PosLabel, VolLabel, PitLabel, OctLabel, KeyLabel};
    for (std::size_t i = 0; i < kHints.size(); ++i)
        labels[i]->setHint(QString::fromUtf8(japanese ? kHints[i].japanese : kHints[i].english));
}
