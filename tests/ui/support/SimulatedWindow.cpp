#include "support/SimulatedWindow.h"

#include "app/MessageTable.h"
#include "link/CommandFrame.h"
#include "model/FactoryDefaults.h"
#include "ui/BottomStrip.h"
#include "ui/CommandColumn.h"
#include "ui/PageControl.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabBar>

namespace tunbox {
namespace {

std::vector<std::uint8_t> FactorySettingsBytes() {
    const auto& defaults = FactoryDefaults();
    return {defaults.begin(), defaults.end()};
}

} // namespace

SimulatedWindow::SimulatedWindow(std::uint8_t version, const QDate& today)
    : unit(version, FactorySettingsBytes()) {
    WindowServices services{transport, dialogs, programDir.path(), today};
    services.pause = [this](int ms) { pauses.push_back(ms); };
    window = std::make_unique<MainWindow>(services);
    QObject::connect(window->Bottom().MainStatusB, &QStatusBar::messageChanged, window.get(),
                     [this](const QString& text) {
                         if (!text.isEmpty())
                             statusTexts_.append(text);
                     });
    QObject::connect(window->Bottom().MainProgressB, &QProgressBar::valueChanged, window.get(),
                     [this](int value) { progress.push_back(value); });
    window->show();
}

QString SimulatedWindow::PutFirmwareFile(const QString& name, std::uint8_t version,
                                         std::size_t size, std::uint8_t type, std::uint8_t second) {
    QDir(programDir.path()).mkpath(QStringLiteral("base"));
    const QString path = programDir.filePath(QStringLiteral("base/") + name);
    QByteArray bytes(static_cast<qsizetype>(size), '\0');
    // The opening frame carries its CRC, as the unit checks it.
    CommandFrame head = BuildCommandFrame(type, version, 0);
    head[1] = second;
    for (std::size_t i = 0; i < size; ++i)
        bytes[static_cast<qsizetype>(i)] =
            static_cast<char>(i < head.size() ? head[i] : (i * 37) % 256);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

void SimulatedWindow::Click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    if (button->isEnabled() && button->isVisible())
        button->click();
}

void SimulatedWindow::Click(const char* objectName) {
    Click(Find<QAbstractButton>(objectName));
}

void SimulatedWindow::ChooseWorkMode(int item) {
    QComboBox* box = window->Commands()->OperModeCmB;
    ASSERT_TRUE(box->isEnabled());
    box->setCurrentIndex(item);
    emit box->activated(item);
}

void SimulatedWindow::ChoosePage(QWidget* page) {
    PageControl* pages = window->MainPageC;
    const int index = pages->indexOf(page);
    ASSERT_TRUE(pages->isVisible() && pages->isEnabled() && pages->isTabVisible(index))
        << "the tab of " << page->objectName().toStdString() << " cannot be clicked";
    pages->tabBar()->setCurrentIndex(index);
}

void SimulatedWindow::Connect() {
    Click("ConnectButton");
    ASSERT_TRUE(window->Commands()->DisconnectButton->isEnabled()) << "not connected";
    ASSERT_EQ(window->StatusText(), Text(10064));
}

QStringList SimulatedWindow::TakeBoxes() {
    QStringList texts;
    const auto& shown = dialogs.Messages();
    for (std::size_t i = boxesTaken_; i < shown.size(); ++i)
        texts.append(shown[i].text);
    boxesTaken_ = shown.size();
    return texts;
}

QStringList SimulatedWindow::TakeStatusTexts() {
    QStringList texts;
    texts.swap(statusTexts_);
    return texts;
}

QString Text(int id) {
    return Msg(id);
}

} // namespace tunbox
