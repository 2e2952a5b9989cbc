#include "ui/WelcomeArea.h"

#include "ui/LogoPicture.h"
#include "ui/MakerContacts.h"
#include "ui/widgets/WidgetLook.h"

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
    Logo1_lb = TextLabel(this, "Logo1_lb", true);
    logo2_lb = TextLabel(this, "logo2_lb", true);
    logo3_lb = TextLabel(this, "logo3_lb", true);
    logo4_lb = TextLabel(this, "logo4_lb", true);
    logo5_lb = TextLabel(this, "logo5_lb", true);
    Logo1_ZELK_lb = TextLabel(this, "Logo1_ZELK_lb", true);
    logo2_ZELK_lb = TextLabel(this, "logo2_ZELK_lb", true);
    logo4_ZELK_lb = TextLabel(this, "logo4_ZELK_lb", true);
    Label_webaddr = TextLabel(this, "Label_webaddr", false);
    Label_emailaddr = TextLabel(this, "Label_emailaddr", false);

    for (QLabel* text : {logo2_lb, logo3_lb, logo4_lb, logo5_lb, logo2_ZELK_lb, logo4_ZELK_lb})
        EnlargeFont(text, 1);
    for (QLabel* heading : {Logo1_lb, Logo1_ZELK_lb}) {
        heading->setAlignment(Qt::AlignHCenter);
        SetTextColor(heading, WelcomeGreen);
        MakeBold(heading);
        EnlargeFont(heading, 4);
    }
    for (QLabel* label : {logo4_lb, logo5_lb, logo4_ZELK_lb})
        MakeBold(label);
    for (QLabel* link : {Label_webaddr, Label_emailaddr}) {
        SetTextColor(link, WelcomeGreen);
        MakeBold(link);
        MakeUnderlined(link);
        link->setCursor(Qt::PointingHandCursor);
    }

    Logo_Image = Named(new QLabel(this), "Logo_Image");
    Logo_Image->setAttribute(Qt::WA_TranslucentBackground);
    Logo_Image->setFixedSize(100, 75);
    Logo_Image->setPixmap(DrawLogoPicture(Logo_Image->size(), devicePixelRatioF()));

    // Each partner-brand text stands right after the default text it replaces,
    // so whichever of the two is shown takes the same place.
    auto* texts = new QVBoxLayout;
    texts->setSpacing(12);
    for (QLabel* label : {Logo1_lb, Logo1_ZELK_lb, logo2_lb, logo2_ZELK_lb, logo3_lb, logo4_lb,
                          logo4_ZELK_lb, logo5_lb})
        texts->addWidget(label);

    auto* addresses = new QVBoxLayout;
    addresses->addStretch();
    addresses->addWidget(Label_webaddr);
    addresses->addWidget(Label_emailaddr);
    addresses->addStretch();

    auto* contacts = new QHBoxLayout;
    contacts->addWidget(Logo_Image);
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
    Logo1_lb->setText(tr("Вас приветствует программа для настройки РПУ Зорен-КЛ-Т"));
    logo2_lb->setText(
        tr("Программа предназначена для задания режимов работы и обновления программного "
           "обеспечения (ПО) ретранслятора периферийного \"РПУ Зорен-КЛ-Т\" (РПУ) с заводской "
           "версией ПО dv10_0 (и выше)."));
    logo3_lb->setText(
        tr("В данной версии программы изменен интерфейс и логика работы. Введен новый режим работы "
           "РПУ \"Ретранслятор + модуль реле (РТР)\" для версий dv10_4 (и выше). В этом режиме "
           "работы РПУ поддерживается работа выходов в режиме модуля реле и ретранслятора "
           "одновременно. Введена новая вкладка настройки всех выходов РПУ в автономном режиме "
           "работы для версий dv10_4 (и выше)."));
    logo4_lb->setText(
        tr("Подключение \"РПУ Зорен-КЛ-Т\" к персональному компьютеру (ПК) осуществляется через "
           "USB-порт с помощью кабеля USB AM/BM."));
    logo5_lb->setText(
        tr("Для подключения РПУ к компьютеру следует установить режим «Работы с ПК» (установить "
           "перемычку F3 при выключенном питании РПУ и отключенном кабеле USB). Электропитание 12V "
           "на РПУ можно не подавать."));
    Logo1_ZELK_lb->setText(tr("Вас приветствует программа TunBox-RPU-ZELK"));
    logo2_ZELK_lb->setText(
        tr("Программа предназначена для обновления программного обеспечения (ПО) \"РПУ "
           "Зорен-КЛ-Т (ZELK)\" (РПУ) с заводской версией ПО v4_0 (и выше)"));
    logo4_ZELK_lb->setText(
        tr("Подключение РПУ к персональному компьютеру (ПК) осуществляется через USB-порт с "
           "помощью кабеля USB AM/BM"));
    Logo_Image->setAccessibleName(tr("Логотип"));
    Label_webaddr->setText(QString::fromLatin1(MakerWebAddress));
    Label_emailaddr->setText(QString::fromLatin1(MakerEmailAddress));

    for (QLabel* label : {Logo1_lb, logo2_lb, logo3_lb, logo4_lb, logo5_lb, Logo1_ZELK_lb,
                          logo2_ZELK_lb, logo4_ZELK_lb, Label_webaddr, Label_emailaddr})
        label->setAccessibleName(label->text());
}

void WelcomeArea::HidePartnerBrandTexts() {
    Logo1_ZELK_lb->hide();
    logo2_ZELK_lb->hide();
    logo4_ZELK_lb->hide();
}

} // namespace tunbox
