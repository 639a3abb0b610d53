#pragma once

#include "quote/skin_choice.h"

#include <QDialog>

class QListWidget;

// The skin window "换肤": the skins of the folder "skins" (Qt style sheets). The chosen
// skin is remembered in "ini.ini"; "关闭皮肤" switches skinning off for this run only.
class Tskinfm : public QDialog {
public:
    explicit Tskinfm(const QString& programFolder, QWidget* parent = nullptr);

    // The 1-based position of the skin in use, 0 when skinning is off.
    int activePosition() const { return active_; }

    void sListBox1DblClick();
    void sButton3Click();

private:
    void FormCreate();
    void activate(int position);

    SkinChoice skins_;
    QListWidget* list_;
    int active_ = 0;
};
