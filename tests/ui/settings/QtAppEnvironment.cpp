// Widgets need one QApplication for the whole test run; gtest's own main does
// not make one, so a global environment does. It also sets up what the program's
// start-up would: the Russian catalogue texts and number format.
#include "app/BuiltInMessages.h"
#include "app/MessageTable.h"

#include <QApplication>
#include <QFont>
#include <QLocale>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtAppEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        app_ = std::make_unique<QApplication>(argc_, argv_);
        // The main window shows its pages in this font; layouts are judged in it.
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        QApplication::setFont(font);
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        for (int id = tunbox::FirstBuiltInMessageId; id <= tunbox::LastBuiltInMessageId; ++id)
            tunbox::Messages().SetText(id, tunbox::BuiltInMessage(id));
    }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[32] = "tunbox_settings_pages_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);

} // namespace
