// Widgets need one QApplication for the whole test run and gtest's own main
// makes none, so a global environment does. It also sets up what start-up
// would: the program's own texts in the message catalogue and the Russian
// number format, and the window's font, in which layouts are judged.
#include "app/BuiltInMessages.h"
#include "app/Startup.h"
#include "ui/widgets/WidgetLook.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtTestApplication : public ::testing::Environment {
  public:
    void SetUp() override {
        app_ = std::make_unique<QApplication>(argc_, argv_);
        QApplication::setFont(tunbox::WindowFont());
        tunbox::ActivateLanguage(QString::fromLatin1(tunbox::BuiltInLanguage));
    }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[16] = "tunbox_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new QtTestApplication);

} // namespace
