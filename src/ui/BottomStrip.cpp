#include "ui/BottomStrip.h"

#include "ui/WidgetLook.h"

#include <algorithm>

namespace tunbox {

BottomStrip::BottomStrip(QWidget* window, const QRect& statusArea, const QRect& languageArea) {
    status_ = Named(new QStatusBar(window), "MainStatusB");
    status_->setSizeGripEnabled(false);
    status_->setGeometry(statusArea);
    // Keeps the progress bar's right edge inside the window.
    status_->setContentsMargins(0, 0, 6, 0);

    progress_ = Named(new QProgressBar(status_), "MainProgressB");
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setFixedSize(languageArea.width(), statusArea.height() - 10);
    status_->addPermanentWidget(progress_);

    // The label and the list sit side by side; the button covers both.
    const int labelWidth = languageArea.width() * 2 / 5;
    languageLabel_ = Named(new QLabel(window), "LngLabel");
    languageLabel_->setGeometry(languageArea.x(), languageArea.y(), labelWidth,
                                languageArea.height());
    languageList_ = Named(new QComboBox(window), "LangCmB");
    languageList_->setGeometry(languageArea.x() + labelWidth, languageArea.y(),
                               languageArea.width() - labelWidth, languageArea.height());
    languageList_->addItems(
        {QStringLiteral("Russian"), QStringLiteral("English"), QStringLiteral("Turkish")});
    languageList_->setCurrentIndex(0);
    changeLanguage_ = Named(new QPushButton(window), "btn_ChangeLang");
    changeLanguage_->setGeometry(languageArea);
    changeLanguage_->raise();

    RetranslateUi();
}

void BottomStrip::RetranslateUi() {
    status_->setAccessibleName(tr("Строка состояния"));
    progress_->setAccessibleName(tr("Ход выполнения"));
    languageLabel_->setText(tr("Язык:"));
    SetCaptionNames(languageLabel_, languageLabel_->text());
    languageList_->setAccessibleName(tr("Язык"));
    changeLanguage_->setText(tr("Select language"));
    SetCaptionNames(changeLanguage_, changeLanguage_->text());
}

void BottomStrip::SetStatusText(const QString& text) {
    status_->showMessage(text);
}

QString BottomStrip::StatusText() const {
    return status_->currentMessage();
}

void BottomStrip::SetProgress(int percent) {
    progress_->setValue(std::clamp(percent, 0, 100));
}

} // namespace tunbox
