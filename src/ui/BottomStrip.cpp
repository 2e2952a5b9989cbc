#include "ui/BottomStrip.h"

#include "ui/widgets/WidgetLook.h"

#include <algorithm>

namespace tunbox {

BottomStrip::BottomStrip(QWidget* window, const QRect& statusArea, const QRect& languageArea) {
    MainStatusB = Named(new QStatusBar(window), "MainStatusB");
    MainStatusB->setSizeGripEnabled(false);
    MainStatusB->setGeometry(statusArea);
    // Keeps the progress bar's right edge inside the window.
    MainStatusB->setContentsMargins(0, 0, 6, 0);

    MainProgressB = Named(new QProgressBar(MainStatusB), "MainProgressB");
    MainProgressB->setRange(0, 100);
    MainProgressB->setValue(0);
    MainProgressB->setTextVisible(false);
    MainProgressB->setFixedSize(languageArea.width(), statusArea.height() - 10);
    MainStatusB->addPermanentWidget(MainProgressB);

    // The label and the list sit side by side; the button covers both.
    const int labelWidth = languageArea.width() * 2 / 5;
    LngLabel = Named(new QLabel(window), "LngLabel");
    LngLabel->setGeometry(languageArea.x(), languageArea.y(), labelWidth, languageArea.height());
    LangCmB = Named(new QComboBox(window), "LangCmB");
    LangCmB->setGeometry(languageArea.x() + labelWidth, languageArea.y(),
                         languageArea.width() - labelWidth, languageArea.height());
    LangCmB->addItems(
        {QStringLiteral("Russian"), QStringLiteral("English"), QStringLiteral("Turkish")});
    LangCmB->setCurrentIndex(0);
    btn_ChangeLang = Named(new QPushButton(window), "btn_ChangeLang");
    btn_ChangeLang->setGeometry(languageArea);
    btn_ChangeLang->raise();

    RetranslateUi();
}

void BottomStrip::RetranslateUi() {
    MainStatusB->setAccessibleName(tr("Строка состояния"));
    MainProgressB->setAccessibleName(tr("Ход выполнения"));
    LngLabel->setText(tr("Язык:"));
    SetCaptionNames(LngLabel, LngLabel->text());
    LangCmB->setAccessibleName(tr("Язык"));
    btn_ChangeLang->setText(tr("Select language"));
    SetCaptionNames(btn_ChangeLang, btn_ChangeLang->text());
}

void BottomStrip::SetStatusText(const QString& text) {
    MainStatusB->showMessage(text);
}

QString BottomStrip::StatusText() const {
    return MainStatusB->currentMessage();
}

void BottomStrip::SetProgress(int percent) {
    MainProgressB->setValue(std::clamp(percent, 0, 100));
}

} // namespace tunbox
