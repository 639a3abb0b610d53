#pragma once

#include <QDialog>

#include <functional>

class CustomerStore;
class QPushButton;
class QTreeWidget;

// The company's customers newest first. "打开" opens the chosen customer; in room import
// mode the chosen customer's rooms are listed too and "导入房间" imports the chosen room
// while the chooser stays open.
class CustomerChooser : public QDialog {
public:
    CustomerChooser(CustomerStore& store, int compid, QWidget* parent = nullptr);

    // Shows the list; the chosen customer's id, or -1 when none was opened.
    int chooseCustomer();
    // Shows the list with the rooms; each imported room goes to `import`.
    void chooseRooms(const std::function<void(int roomId)>& import);

private:
    void fillCustomers();
    void fillRooms();
    int selectedId(const QTreeWidget* list) const;

    CustomerStore& store_;
    int compid_;
    QTreeWidget* customers_;
    QTreeWidget* rooms_;
    QPushButton* open_;
    QPushButton* importRoom_;
    std::function<void(int)> import_;
};
