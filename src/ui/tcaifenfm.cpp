#include "ui/tcaifenfm.h"

#include "ui/dialog_parts.h"

#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>

namespace {
constexpr int MinimumCm = 5;
constexpr int DeepestRecessCm = 2000;
} // namespace

Tcaifenfm::Tcaifenfm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("caifenfm"));
    setWindowTitle(QStringLiteral("拆分墙面"));
    auto* form = new QFormLayout(this);
    a_ = dialog_parts::numberField(this, "Aedit", MinimumCm, MinimumCm);
    b_ = dialog_parts::numberField(this, "Bedit", MinimumCm, MinimumCm);
    c_ = dialog_parts::numberField(this, "Cedit", MinimumCm, DeepestRecessCm);
    form->addRow(QStringLiteral("A长："), a_);
    form->addRow(QStringLiteral("B长："), b_);
    form->addRow(QStringLiteral("C长："), c_);
    dialog_parts::addButtons(*this);
}

void Tcaifenfm::prepare(int maxA) {
    // B is limited like A; the room refuses an A and B that do not fit the wall.
    const int limit = std::max(MinimumCm, maxA);
    a_->setMaximum(limit);
    b_->setMaximum(limit);
    a_->setFocus();
    a_->selectAll();
}

WallSplitSizes Tcaifenfm::values() const {
    return {a_->value() * 10, b_->value() * 10, c_->value() * 10};
}

std::optional<WallSplitSizes> Tcaifenfm::ask(int maxA) {
    prepare(maxA);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return values();
}
