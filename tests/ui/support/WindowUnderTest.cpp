#include "support/WindowUnderTest.h"

namespace tunbox {

WindowUnderTest::WindowUnderTest(const QDate& today) {
    window =
        std::make_unique<MainWindow>(WindowServices{transport, dialogs, programDir.path(), today});
}

} // namespace tunbox
