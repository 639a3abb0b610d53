#include "ui/product_grid_delegate.h"

#include "design/product_picker.h"
#include "platform/decimal_text.h"
#include "ui/product_grid_model.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace {

const QColor SelectedRow(227, 231, 232);
constexpr int ControlHeight = 21;
constexpr int ButtonWidth = 50;
constexpr int ButtonHeight = 25;
constexpr int PictureTop = 10;

int controlWidth(int column) {
    switch (column) {
    case ProductGridModel::Price:
        return 55;
    case ProductGridModel::Info:
        return ButtonWidth;
    default:
        return 50;
    }
}

void drawControl(QPainter* painter, const QRect& rect, const QString& text, bool dropDown,
                 const QWidget* widget) {
    QStyle* style = widget ? widget->style() : QApplication::style();
    QStyleOptionFrame frame;
    frame.rect = rect;
    frame.state = QStyle::State_Enabled;
    frame.lineWidth = 1;
    style->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, painter, widget);
    QRect textRect = rect.adjusted(3, 0, -3, 0);
    if (dropDown) {
        QStyleOption arrow;
        arrow.rect = QRect(rect.right() - 12, rect.top(), 12, rect.height());
        arrow.state = QStyle::State_Enabled;
        arrow.palette = frame.palette;
        style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, painter, widget);
        textRect.setRight(arrow.rect.left() - 1);
    }
    painter->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, text);
}

} // namespace

ProductGridDelegate::ProductGridDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void ProductGridDelegate::commitNow(QWidget* editor) const {
    // An edit counts at once, so "保存" sees it while the editor is still open.
    emit const_cast<ProductGridDelegate*>(this)->commitData(editor);
}

QRect ProductGridDelegate::controlRect(int column, const QRect& cell) {
    const int height = column == ProductGridModel::Info ? ButtonHeight : ControlHeight;
    const int width = controlWidth(column);
    return {cell.left() + (cell.width() - width) / 2, cell.top() + (cell.height() - height) / 2 + 2,
            width, height};
}

void ProductGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    painter->save();
    painter->fillRect(option.rect,
                      option.state & QStyle::State_Selected ? SelectedRow : QColor(Qt::white));
    painter->setPen(Qt::black);
    const int column = index.column();
    const QString text = index.data(Qt::DisplayRole).toString();
    switch (column) {
    case ProductGridModel::Picture: {
        const QImage image = index.data(ProductGridModel::PictureRole).value<QImage>();
        if (!image.isNull()) {
            painter->drawImage(
                QPoint(option.rect.left() + (option.rect.width() - image.width()) / 2,
                       option.rect.top() + PictureTop),
                image);
        }
        break;
    }
    case ProductGridModel::Price:
    case ProductGridModel::Status:
    case ProductGridModel::Unit:
        if (!text.isEmpty() || index.flags() & Qt::ItemIsEditable) {
            drawControl(painter, controlRect(column, option.rect), text,
                        column == ProductGridModel::Status, option.widget);
        }
        break;
    case ProductGridModel::Info:
        // The button shows only for a product with an information address.
        if (!index.data(Qt::ToolTipRole).toString().isEmpty()) {
            QStyleOptionButton button;
            button.rect = controlRect(column, option.rect);
            button.state = QStyle::State_Enabled | QStyle::State_Raised;
            button.palette.setColor(QPalette::ButtonText, Qt::red);
            button.text = text;
            QStyle* style = option.widget ? option.widget->style() : QApplication::style();
            style->drawControl(QStyle::CE_PushButton, &button, painter, option.widget);
        }
        break;
    default:
        painter->drawText(option.rect.adjusted(2, 0, -2, 0),
                          Qt::AlignVCenter |
                              (column == ProductGridModel::Name ? Qt::AlignLeft : Qt::AlignHCenter),
                          text);
        break;
    }
    painter->restore();
}

QWidget* ProductGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
    switch (index.column()) {
    case ProductGridModel::Price: {
        // Plain text while typing, so that "41." can become "41.5"; the grid shows the
        // price with two decimals once the editor closes.
        auto* edit = new QLineEdit(parent);
        edit->setObjectName(QStringLiteral("priceEditor"));
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("\\d{0,8}(\\.\\d{0,2})?")), edit));
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { commitNow(edit); });
        return edit;
    }
    case ProductGridModel::Status: {
        auto* box = new QComboBox(parent);
        box->setObjectName(QStringLiteral("statusBox"));
        for (int status : {StatusNormal, StatusDiscontinued, StatusOutOfStock}) {
            box->addItem(ProductPicker::statusLabel(status));
        }
        box->setMaxVisibleItems(3);
        connect(box, &QComboBox::activated, this, [this, box] { commitNow(box); });
        return box;
    }
    case ProductGridModel::Unit: {
        auto* edit = new QLineEdit(parent);
        edit->setObjectName(QStringLiteral("unitEditor"));
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { commitNow(edit); });
        return edit;
    }
    default:
        return nullptr;
    }
}

void ProductGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    // Showing the value is no edit.
    const QSignalBlocker blocker(editor);
    const QVariant value = index.data(Qt::EditRole);
    if (index.column() == ProductGridModel::Price) {
        auto* edit = static_cast<QLineEdit*>(editor);
        // The text being typed stays as it is while it means the model's price.
        if (edit->text().isEmpty() || edit->text().toDouble() != value.toDouble()) {
            edit->setText(decimalText(value.toDouble()));
        }
    } else if (auto* box = qobject_cast<QComboBox*>(editor)) {
        box->setCurrentIndex(value.toInt());
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(value.toString());
    }
}

void ProductGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                       const QModelIndex& index) const {
    if (index.column() == ProductGridModel::Price) {
        // An empty field means no price.
        model->setData(index, static_cast<QLineEdit*>(editor)->text().toDouble(), Qt::EditRole);
    } else if (auto* box = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, box->currentIndex(), Qt::EditRole);
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        model->setData(index, edit->text(), Qt::EditRole);
    }
}

void ProductGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                               const QModelIndex& index) const {
    editor->setGeometry(controlRect(index.column(), option.rect));
}

bool ProductGridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                      const QStyleOptionViewItem& option,
                                      const QModelIndex& index) {
    if (index.column() == ProductGridModel::Info && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QString address = index.data(Qt::ToolTipRole).toString();
        if (!address.isEmpty() &&
            controlRect(index.column(), option.rect).contains(mouse->position().toPoint())) {
            if (openInformation) {
                openInformation(address);
            }
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
