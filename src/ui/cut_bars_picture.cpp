#include "ui/cut_bars_picture.h"

#include "quote/cutting_plan.h"

#include <QPainter>

namespace {

constexpr int RowHeight = 22;
constexpr int LabelWidth = 36;
constexpr int Margin = 4;

} // namespace

CutBarsPicture::CutBarsPicture(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CutBarsPicture::setPlan(const CutPlan* plan) {
    plan_ = plan;
    updateGeometry();
    update();
}

QSize CutBarsPicture::sizeHint() const {
    const int rows = plan_ ? int(plan_->bars.size()) : 0;
    return {600, rows * RowHeight + Margin};
}

void CutBarsPicture::paintEvent(QPaintEvent*) {
    if (!plan_ || plan_->stockMm <= 0) {
        return;
    }
    QPainter painter(this);
    const double barWidth = width() - LabelWidth - 2 * Margin;
    const double scale = barWidth / plan_->stockMm;
    const QColor pieceColours[] = {QColor(0xa8, 0xc8, 0xe8), QColor(0xc8, 0xe0, 0xb0)};
    for (std::size_t i = 0; i < plan_->bars.size(); ++i) {
        const CutBar& bar = plan_->bars[i];
        const double top = Margin + double(i) * RowHeight;
        const double height = RowHeight - 6;
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, top, LabelWidth, height), Qt::AlignCenter,
                         QString::number(i + 1));
        double x = LabelWidth + Margin;
        const QRectF whole(x, top, plan_->stockMm * scale, height);
        painter.fillRect(whole, QBrush(Qt::lightGray, Qt::BDiagPattern));
        for (std::size_t p = 0; p < bar.pieces.size(); ++p) {
            const CutPiece& piece = bar.pieces[p];
            const QRectF rect(x, top, piece.lengthMm * scale, height);
            painter.fillRect(rect, pieceColours[p % 2]);
            painter.drawRect(rect);
            QString text = QString::number(piece.lengthMm);
            if (piece.parts > 1) {
                text += QStringLiteral(" 接");
            }
            painter.drawText(rect, Qt::AlignCenter, text);
            x += (piece.lengthMm + plan_->sawMm) * scale;
        }
        painter.setPen(QPen(Qt::darkGray, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(whole);
    }
}
