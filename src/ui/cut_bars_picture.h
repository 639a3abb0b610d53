#pragma once

#include <QWidget>

struct CutPlan;

// The bars of a cutting plan drawn to scale, one row per bar: its pieces side by side
// (a part of a joined run marked "接"), the saw cuts between them and the offcut hatched.
class CutBarsPicture : public QWidget {
public:
    explicit CutBarsPicture(QWidget* parent = nullptr);

    // The plan stays the caller's; none draws nothing.
    void setPlan(const CutPlan* plan);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CutPlan* plan_ = nullptr;
};
