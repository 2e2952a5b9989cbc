#pragma once

#include <QLabel>
#include <QWidget>

namespace tunbox {

// What the window shows before a unit is connected: greeting, purpose, how to
// connect the unit, the logo and the maker's addresses. The partner-brand texts
// sit in the same places and stay hidden.
class WelcomeArea : public QWidget {
    Q_OBJECT
  public:
    explicit WelcomeArea(QWidget* parent = nullptr);

    void RetranslateUi();
    void HidePartnerBrandTexts();

    // The controls, each under its own object name; the widget tree owns them.
    QLabel* Logo1_lb = nullptr;
    QLabel* logo2_lb = nullptr;
    QLabel* logo3_lb = nullptr;
    QLabel* logo4_lb = nullptr;
    QLabel* logo5_lb = nullptr;
    QLabel* Logo_Image = nullptr;
    QLabel* Label_webaddr = nullptr;
    QLabel* Label_emailaddr = nullptr;
    QLabel* Logo1_ZELK_lb = nullptr;
    QLabel* logo2_ZELK_lb = nullptr;
    QLabel* logo4_ZELK_lb = nullptr;
};

} // namespace tunbox
