#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRect>
#include <QStatusBar>

namespace tunbox {

// The window's bottom strip: the status line with the progress bar at its right
// end, and above it the language controls, where the "Select language" button
// lies over the label and the list and is what the user sees and uses.
class BottomStrip {
    Q_DECLARE_TR_FUNCTIONS(tunbox::BottomStrip)
  public:
    // Creates the controls on window: the status line in statusArea, the
    // language controls in languageArea.
    BottomStrip(QWidget* window, const QRect& statusArea, const QRect& languageArea);

    void RetranslateUi();

    // Replaces the status line's one text.
    void SetStatusText(const QString& text);
    QString StatusText() const;
    // Percent, held to 0..100.
    void SetProgress(int percent);

    // The controls, each under its own object name; the widget tree owns them.
    QStatusBar* MainStatusB = nullptr;
    QProgressBar* MainProgressB = nullptr;
    QLabel* LngLabel = nullptr;
    QComboBox* LangCmB = nullptr;
    QPushButton* btn_ChangeLang = nullptr;
};

} // namespace tunbox
