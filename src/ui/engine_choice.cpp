#include "ui/engine_choice.h"

#include <QComboBox>

#include "ui/ui_context.h"

namespace velmoro {

QComboBox* MakeEngineBox(EngineKind chosen, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName("engine");
    for (EngineKind kind : {EngineKind::Classic, EngineKind::Realistic})
        box->addItem(EngineName(kind), static_cast<int>(kind));
    ShowEngine(box, chosen);
    return box;
}

EngineKind ChosenEngine(const QComboBox* box) {
    return static_cast<EngineKind>(box->currentData().toInt());
}

void ShowEngine(QComboBox* box, EngineKind kind) {
    box->setCurrentIndex(box->findData(static_cast<int>(kind)));
}

RealisticDataSource RealisticSource(UiContext& context) {
    return [&context] {
        if (!context.realistic) context.realistic = LoadSessionRealisticData(context.session);
        return context.realistic;
    };
}

}  // namespace velmoro
