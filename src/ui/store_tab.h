#pragma once

#include <QWidget>

class Prompts;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class SetupFile;
struct StoreChoice;

// The settings tab "客户库": the local store file or a PostgreSQL server shared by several
// seats, with "测试连接" and "上传到服务器".
class StoreTab : public QWidget {
public:
    StoreTab(SetupFile& setup, Prompts& prompts, QWidget* parent = nullptr);

    void load();
    // False, after telling the user, when the choice was not written.
    bool save();

    // "测试连接", with the busy pointer while it logs in.
    void testConnection();

private:
    StoreChoice choice() const;
    void enableServerFields();

    SetupFile& setup_;
    Prompts& prompts_;
    QRadioButton* local_;
    QRadioButton* server_;
    QLineEdit* host_;
    QSpinBox* port_;
    QLineEdit* database_;
    QLineEdit* user_;
    QLineEdit* password_;
};
