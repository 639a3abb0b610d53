#include "ui/tcaifenfm2.h"

#include "ui/dialog_parts.h"

#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>

namespace {
constexpr int MinimumCm = 5;
} // namespace

Tcaifenfm2::Tcaifenfm2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("caifenfm2"));
    setWindowTitle(QStringLiteral("拆分墙角"));
    auto* form = new QFormLayout(this);
    a_ = dialog_parts::numberField(this, "Aedit", MinimumCm, MinimumCm);
    b_ = dialog_parts::numberField(this, "Bedit", MinimumCm, MinimumCm);
    form->addRow(QStringLiteral("A边长："), a_);
    form->addRow(QStringLiteral("B边长："), b_);
    dialog_parts::addButtons(*this);
}

void Tcaifenfm2::prepare(int maxA, int maxB) {
    a_->setMaximum(std::max(MinimumCm, maxA));
    b_->setMaximum(std::max(MinimumCm, maxB));
    a_->setFocus();
    a_->selectAll();
}

CornerSplitSizes Tcaifenfm2::values() const {
    return {a_->value() * 10, b_->value() * 10};
}

std::optional<CornerSplitSizes> Tcaifenfm2::ask(int maxA, int maxB) {
    prepare(maxA, maxB);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return values();
}
