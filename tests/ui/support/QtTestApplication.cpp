// Widgets need one QApplication for the whole test run and gtest's own main
// makes none, so a global environment does. It also fills the message
// catalogue with the program's own texts, as start-up does.
#include "app/BuiltInMessages.h"
#include "app/MessageTable.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtTestApplication : public ::testing::Environment {
  public:
    void SetUp() override {
        app_ = std::make_unique<QApplication>(argc_, argv_);
        for (int id = tunbox::FirstBuiltInMessageId; id <= tunbox::LastBuiltInMessageId; ++id)
            tunbox::Messages().SetText(id, tunbox::BuiltInMessage(id));
    }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[16] = "tunbox_ui_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new QtTestApplication);

} // namespace
