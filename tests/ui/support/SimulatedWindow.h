#pragma once

#include "link/SimulatedUnit.h"
#include "support/FaultingTransport.h"
#include "support/QtPrinting.h"
#include "support/RecordingDialogs.h"
#include "ui/MainWindow.h"

#include <QDate>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

class QAbstractButton;

namespace tunbox {

// The real main window, shown offscreen, over a simulated unit that starts as
// the program's does (factory settings, filled registration memory), with
// scripted dialogs and a temporary program folder. Exchanges run through the
// window's exchange runner; the unit's pauses are counted, not waited.
struct SimulatedWindow {
    // The window starts on today (file names carry the start date).
    explicit SimulatedWindow(std::uint8_t version = 104, const QDate& today = QDate(2026, 12, 8));

    // The control with objectName; fails the test when there is not exactly one.
    template <typename W = QWidget> W* Find(const char* objectName) const {
        const auto found = window->findChildren<W*>(QString::fromLatin1(objectName));
        if (found.size() != 1) {
            ADD_FAILURE() << found.size() << " controls named " << objectName;
            return nullptr;
        }
        return found.constFirst();
    }

    // A user's click on a button, refused like a real one while it is disabled
    // or hidden.
    void Click(QAbstractButton* button);
    void Click(const char* objectName);
    // The user chooses item of OperModeCmB ("демо" 0, "on-line" 1).
    void ChooseWorkMode(int item);
    // The user clicks the tab of page (it must be shown).
    void ChoosePage(QWidget* page);
    // Connect, answered by the unit; fails the test unless it connected.
    void Connect();

    // The texts of the boxes shown so far, in order, and forgets them.
    QStringList TakeBoxes();
    // Every status text the window showed so far, in order, and forgets them.
    QStringList TakeStatusTexts();

    // Writes a synthetic firmware file into the program's firmware folder "base":
    // 0x55 0x55, type byte, version byte, then filler up to size bytes. Returns
    // its path.
    QString PutFirmwareFile(const QString& name, std::uint8_t version, std::size_t size = 74,
                            std::uint8_t type = 0x12, std::uint8_t second = 0x55);

    QTemporaryDir programDir;
    SimulatedUnit unit;
    FaultingTransport transport{unit};
    RecordingDialogs dialogs;
    std::vector<int> pauses;
    // Every position the progress bar took, in order.
    std::vector<int> progress;
    std::unique_ptr<MainWindow> window;

  private:
    std::size_t boxesTaken_ = 0;
    QStringList statusTexts_;
};

// The catalogue text of id, as a test names what it expects.
QString Text(int id);

} // namespace tunbox
