#include "ui/WelcomeArea.h"

#include "ui/LogoPicture.h"
#include "ui/MakerContacts.h"
#include "ui/WidgetLook.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tunbox {
namespace {

QLabel* TextLabel(QWidget* parent, const char* name, bool wrapped) {
    auto* label = Named(new QLabel(parent), name);
    label->setWordWrap(wrapped);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

WelcomeArea::WelcomeArea(QWidget* parent) : QWidget(parent) {
    logo1_ = TextLabel(this, "Logo1_lb", true);
    logo2_ = TextLabel(this, "logo2_lb", true);
    logo3_ = TextLabel(this, "logo3_lb", true);
    logo4_ = TextLabel(this, "logo4_lb", true);
    logo5_ = TextLabel(this, "logo5_lb", true);
    logo1Zelk_ = TextLabel(this, "Logo1_ZELK_lb", true);
    logo2Zelk_ = TextLabel(this, "logo2_ZELK_lb", true);
    logo4Zelk_ = TextLabel(this, "logo4_ZELK_lb", true);
    webAddress_ = TextLabel(this, "Label_webaddr", false);
    emailAddress_ = TextLabel(this, "Label_emailaddr", false);

    for (QLabel* text : {logo2_, logo3_, logo4_, logo5_, logo2Zelk_, logo4Zelk_})
        EnlargeFont(text, 1);
    for (QLabel* heading : {logo1_, logo1Zelk_}) {
        heading->setAlignment(Qt::AlignHCenter);
        SetTextColor(heading, WelcomeGreen);
        MakeBold(heading);
        EnlargeFont(heading, 4);
    }
    for (QLabel* label : {logo4_, logo5_, logo4Zelk_})
        MakeBold(label);
    for (QLabel* link : {webAddress_, emailAddress_}) {
        SetTextColor(link, WelcomeGreen);
        MakeBold(link);
        MakeUnderlined(link);
        link->setCursor(Qt::PointingHandCursor);
    }

    logoImage_ = Named(new QLabel(this), "Logo_Image");
    logoImage_->setAttribute(Qt::WA_TranslucentBackground);
    logoImage_->setFixedSize(100, 75);
    logoImage_->setPixmap(DrawLogoPicture(logoImage_->size(), devicePixelRatioF()));

    // Each partner-brand text stands right after the default text it replaces,
    // so whichever of the two is shown takes the same place.
    auto* texts = new QVBoxLayout;
    texts->setSpacing(12);
    for (QLabel* label :
         {logo1_, logo1Zelk_, logo2_, logo2Zelk_, logo3_, logo4_, logo4Zelk_, logo5_})
        texts->addWidget(label);

    auto* addresses = new QVBoxLayout;
    addresses->addStretch();
    addresses->addWidget(webAddress_);
    addresses->addWidget(emailAddress_);
    addresses->addStretch();

    auto* contacts = new QHBoxLayout;
    contacts->addWidget(logoImage_);
    contacts->addSpacing(16);
    contacts->addLayout(addresses);
    contacts->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 24);
    layout->addLayout(texts);
    layout->addStretch();
    layout->addLayout(contacts);

    RetranslateUi();
}

void WelcomeArea::RetranslateUi() {
    logo1_->setText(tr("Вас приветствует программа для настройки РПУ Зорен-КЛ-Т"));
    logo2_->setText(
        tr("Программа предназначена для задания режимов работы и обновления программного "
           "обеспечения (ПО) ретранслятора периферийного \"РПУ Зорен-КЛ-Т\" (РПУ) с заводской "
           "версией ПО dv10_0 (и выше)."));
    logo3_->setText(
        tr("В данной версии программы изменен интерфейс и логика работы. Введен новый режим работы "
           "РПУ \"Ретранслятор + модуль реле (РТР)\" для версий dv10_4 (и выше). В этом режиме "
           "работы РПУ поддерживается работа выходов в режиме модуля реле и ретранслятора "
           "одновременно. Введена новая вкладка настройки всех выходов РПУ в автономном режиме "
           "работы для версий dv10_4 (и выше)."));
    logo4_->setText(
        tr("Подключение \"РПУ Зорен-КЛ-Т\" к персональному компьютеру (ПК) осуществляется через "
           "USB-порт с помощью кабеля USB AM/BM."));
    logo5_->setText(
        tr("Для подключения РПУ к компьютеру следует установить режим «Работы с ПК» (установить "
           "перемычку F3 при выключенном питании РПУ и отключенном кабеле USB). Электропитание 12V "
           "на РПУ можно не подавать."));
    logo1Zelk_->setText(tr("Вас приветствует программа TunBox-RPU-ZELK"));
    logo2Zelk_->setText(
        tr("Программа предназначена для обновления программного обеспечения (ПО) \"РПУ "
           "Зорен-КЛ-Т (ZELK)\" (РПУ) с заводской версией ПО v4_0 (и выше)"));
    logo4Zelk_->setText(
        tr("Подключение РПУ к персональному компьютеру (ПК) осуществляется через USB-порт с "
           "помощью кабеля USB AM/BM"));
    logoImage_->setAccessibleName(tr("Логотип"));
    webAddress_->setText(QString::fromLatin1(MakerWebAddress));
    emailAddress_->setText(QString::fromLatin1(MakerEmailAddress));

    for (QLabel* label : {logo1_, logo2_, logo3_, logo4_, logo5_, logo1Zelk_, logo2Zelk_,
                          logo4Zelk_, webAddress_, emailAddress_})
        label->setAccessibleName(label->text());
}

void WelcomeArea::HidePartnerBrandTexts() {
    logo1Zelk_->hide();
    logo2Zelk_->hide();
    logo4Zelk_->hide();
}

} // namespace tunbox
