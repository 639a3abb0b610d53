#pragma once

#include "quote/setup_form.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class Prompts;
class SetupFile;
class StoreTab;
struct HeldSettings;

// The settings window "参数设置". It reads "setup.ini" when it is created, every time it
// is shown and every time it closes, and pushes the values into the main window.
class Tsetupfm : public QDialog {
public:
    struct Links {
        SetupFile& setup;
        HeldSettings& held;
        Prompts& prompts;
        SettingsSaveHooks saveHooks;
        std::function<void()> pushed;         // the held settings changed
        std::function<void()> showStatistics; // the customer page becomes active
    };

    Tsetupfm(Links links, QWidget* parent = nullptr);

    void readinifile();
    // Stores the fields; false when refused or not written.
    bool Savetoinifile();

    SetupFormValues values() const;
    void setValues(const SetupFormValues& v);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    QWidget* buildBasicTab();
    QWidget* buildProgramTab();
    QWidget* buildDealerTab();
    void refreshPreview();
    // The dealer's logo lives in the program folder, beside "setup.ini".
    QString programFolder() const;
    void showLogo();
    void chooseLogoClick();
    void okClick();
    void applyClick();

    Links links_;
    QLineEdit* prefix_;
    QSpinBox* index_;
    QSpinBox* digits_;
    QLabel* preview_;
    QSpinBox* zk_;
    QSpinBox* minzk_;
    QLineEdit* keelLength_;
    QLineEdit* keelPrice_;
    QLineEdit* triangleKeelLength_;
    QLineEdit* triangleKeelPrice_;
    QLineEdit* connectors_;
    QLineEdit* hangers_;
    QLineEdit* installationFee_;
    QLineEdit* edgeTrimPrice_;
    QSpinBox* minnumber_;
    QCheckBox* autosb_;
    QSpinBox* history_;
    QSpinBox* autosave_;
    QSpinBox* ceilingHeight_;
    QSpinBox* sawKerf_;
    QCheckBox* product1_;
    QCheckBox* product2_;
    QCheckBox* product3_;
    QCheckBox* runIE_;
    QCheckBox* autoCreateRoom_;
    QLineEdit* dealerHeading_;
    QLineEdit* dealerSubHeading_;
    QLineEdit* dealerAddress_;
    QLineEdit* dealerPhone1_;
    QLineEdit* dealerPhone2_;
    QLineEdit* dealerRemark_;
    QLabel* dealerLogo_;
    StoreTab* store_ = nullptr;
};
