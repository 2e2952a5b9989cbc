#pragma once

#include "support/RecordingDialogs.h"
#include "support/RecordingTransport.h"
#include "ui/MainWindow.h"

#include <QDate>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace tunbox {

// The real main window over a recording transport, scripted dialogs and a
// temporary program folder.
struct WindowUnderTest {
    explicit WindowUnderTest(const QDate& today = QDate(2026, 12, 8));

    // The control with objectName; fails the test when there is not exactly one.
    template <typename W = QWidget> W* Find(const char* objectName) const {
        const auto found = window->findChildren<W*>(QString::fromLatin1(objectName));
        if (found.size() != 1) {
            ADD_FAILURE() << found.size() << " controls named " << objectName;
            return nullptr;
        }
        return found.constFirst();
    }

    QTemporaryDir programDir;
    RecordingTransport transport;
    RecordingDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

} // namespace tunbox
