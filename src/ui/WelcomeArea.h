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

    QLabel* Logo1_lb() const { return logo1_; }
    QLabel* logo2_lb() const { return logo2_; }
    QLabel* logo3_lb() const { return logo3_; }
    QLabel* logo4_lb() const { return logo4_; }
    QLabel* logo5_lb() const { return logo5_; }
    QLabel* Logo_Image() const { return logoImage_; }
    QLabel* Label_webaddr() const { return webAddress_; }
    QLabel* Label_emailaddr() const { return emailAddress_; }
    QLabel* Logo1_ZELK_lb() const { return logo1Zelk_; }
    QLabel* logo2_ZELK_lb() const { return logo2Zelk_; }
    QLabel* logo4_ZELK_lb() const { return logo4Zelk_; }

  private:
    QLabel* logo1_;
    QLabel* logo2_;
    QLabel* logo3_;
    QLabel* logo4_;
    QLabel* logo5_;
    QLabel* logoImage_;
    QLabel* webAddress_;
    QLabel* emailAddress_;
    QLabel* logo1Zelk_;
    QLabel* logo2Zelk_;
    QLabel* logo4Zelk_;
};

} // namespace tunbox
