#include "support/WindowUnderTest.h"
#include "ui/MakerContacts.h"
#include "ui/PageControl.h"
#include "ui/widgets/RadioGroup.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

QString CaptionOf(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    return {};
}

QStringList ItemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

class MainWindowLayout : public ::testing::Test {
  protected:
    void SetUp() override { w.window->show(); }

    WindowUnderTest w;
};

const char* const AllControlNames[] = {
    // welcome area
    "Logo1_lb", "logo2_lb", "logo3_lb", "logo4_lb", "logo5_lb", "Logo_Image", "Label_webaddr",
    "Label_emailaddr", "Logo1_ZELK_lb", "logo2_ZELK_lb", "logo4_ZELK_lb",
    // command column
    "GroupBox1", "CheckBox1", "OperModeGrB", "OperModeCmB", "GroupBox39", "ConnectButton",
    "DisconnectButton", "GroupBox40", "WriteButton", "ReadButton", "GroupBox41", "SaveButton",
    "LoadButton", "GroupBox42", "DefaultSettingsButton", "Help",
    // bottom strip
    "MainStatusB", "MainProgressB", "LngLabel", "LangCmB", "btn_ChangeLang",
    // pages
    "MainPageC", "MainTabSh", "RegistBackupTabSh", "ReleSettingsTabSh", "ReleSettingsTabRPU",
    // main page
    "Label_maintabsh_header_rpu", "Label_maintabsh_header_zelk", "SoftUpdateGrB2", "DevTypeLabel",
    "DevTypeLabel2", "CurrentSoftVerLabel", "CurrentSoftVerLabel2", "DevOperModeGrB", "RPU_rb",
    "RTR_rb", "MRO_rb", "SoftUpdatesGroupBox", "SoftUpdatesListBox", "WriteSWButton",
    "SoftUpdateGrB", "NewSoftVerLabel", "NewSoftVerLabel2", "SoftFNameLabel", "SoftFNameLabel2",
    "SoftFTypeLabel", "SoftFTypeLabel2", "SoftFDateLabel", "SoftFDateLabel2", "SoftFSizeLabel",
    "SoftFSizeLabel2", "TempListB2", "Memo1",
    // backup page
    "Label125", "RegistBackupGrB", "Dev2TypeLabel", "Dev2TypeLabel2", "RegistBackupModeGrB",
    "RegBackupCreateButton", "RegBackupRestoreButton", "RegBackupDeleteButton",
    "RegistBackupParamsGrB", "RPU_RTRRadioGr", "ObjNumLabel", "ObjNumEdit", "ModuleNumLabel",
    "ModuleNumCmB", "RegFNameLabel", "RegFNameLabel2", "ConfCodeLabel", "ConfCodeLabel2"};

TEST_F(MainWindowLayout, EveryControlIsFoundOnceByObjectNameAndHasAnAccessibleName) {
    EXPECT_EQ(w.window->objectName(), "MainForm");
    for (const char* name : AllControlNames) {
        SCOPED_TRACE(name);
        const QWidget* control = w.Find(name);
        ASSERT_NE(control, nullptr);
        EXPECT_FALSE(control->accessibleName().trimmed().isEmpty());
    }
}

TEST_F(MainWindowLayout, WindowIsAFixedCentredFrameWithOnlyTheMinimiseBox) {
    EXPECT_EQ(w.window->windowTitle(), "Программа для настройки РПУ Зорен-КЛ-Т");
    EXPECT_EQ(w.window->size(), QSize(794, 570));
    EXPECT_EQ(w.window->minimumSize(), QSize(794, 570));
    EXPECT_EQ(w.window->maximumSize(), QSize(794, 570));
    const Qt::WindowFlags flags = w.window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_EQ(w.window->font().family(), "DejaVu Sans");
    // Centred on the screen up to the width of the window frame.
    if (const QScreen* screen = w.window->screen()) {
        const QPoint offset = w.window->geometry().center() - screen->availableGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 8) << offset.x() << ", " << offset.y();
    }
}

struct CommandCase {
    const char* name;
    const char* caption;
    const char* hint;
    bool enabled;
};

TEST_F(MainWindowLayout, CommandColumnStartsWithCaptionsHintsAndEnabledStates) {
    const CommandCase cases[] = {
        {"GroupBox1", "Порт связи", "", false},
        {"CheckBox1", "USB-порт", "", true},
        {"OperModeGrB", "Режим работы:", "", true},
        {"OperModeCmB", "", "", true},
        {"GroupBox39", "Связь", "", true},
        {"ConnectButton", "Установить", "Устанавливает связь с прибором", true},
        {"DisconnectButton", "Разорвать", "Разрывает связь с прибором", false},
        {"GroupBox40", "Прибор", "", true},
        {"WriteButton", "Записать", "Записывает настройки в прибор", false},
        {"ReadButton", "Считать", "Считывает настройки из прибора", false},
        {"GroupBox41", "Файл", "", true},
        {"SaveButton", "Сохранить", "Записывает настройки в файл", false},
        {"LoadButton", "Загрузить", "Считывает настройки из файла", false},
        {"GroupBox42", "Прочее", "", true},
        {"DefaultSettingsButton", "Завод. настройки", "Выставление заводских настроек", false},
        {"Help", "Help  ", "Вызов справки по программе", true},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QWidget* control = w.Find(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(CaptionOf(control), QString::fromUtf8(c.caption));
        EXPECT_EQ(control->toolTip(), QString::fromUtf8(c.hint));
        // A control inside the disabled port group is not itself disabled.
        EXPECT_EQ(control->isEnabledTo(control->parentWidget()), c.enabled);
        EXPECT_TRUE(control->isVisible());
    }
    EXPECT_FALSE(w.Find("CheckBox1")->isEnabled());
    EXPECT_TRUE(w.Find<QCheckBox>("CheckBox1")->isChecked());
    const auto* operMode = w.Find<QComboBox>("OperModeCmB");
    EXPECT_EQ(ItemsOf(operMode), QStringList({"демо", "on-line"}));
    EXPECT_EQ(operMode->currentText(), "on-line");
}

TEST_F(MainWindowLayout, AfterStartTheWelcomeAreaShowsAndThePartnerBrandNever) {
    EXPECT_FALSE(w.Find("MainPageC")->isVisible());
    const std::pair<const char*, const char*> shown[] = {
        {"Logo1_lb", "Вас приветствует программа для настройки РПУ Зорен-КЛ-Т"},
        {"logo2_lb",
         "Программа предназначена для задания режимов работы и обновления программного обеспечения "
         "(ПО) ретранслятора периферийного \"РПУ Зорен-КЛ-Т\" (РПУ) с заводской версией ПО dv10_0 "
         "(и выше)."},
        {"logo3_lb",
         "В данной версии программы изменен интерфейс и логика работы. Введен новый режим работы "
         "РПУ "
         "\"Ретранслятор + модуль реле (РТР)\" для версий dv10_4 (и выше). В этом режиме работы "
         "РПУ "
         "поддерживается работа выходов в режиме модуля реле и ретранслятора одновременно. Введена "
         "новая вкладка настройки всех выходов РПУ в автономном режиме работы для версий dv10_4 (и "
         "выше)."},
        {"logo4_lb",
         "Подключение \"РПУ Зорен-КЛ-Т\" к персональному компьютеру (ПК) осуществляется через "
         "USB-порт с помощью кабеля USB AM/BM."},
        {"logo5_lb",
         "Для подключения РПУ к компьютеру следует установить режим «Работы с ПК» (установить "
         "перемычку F3 при выключенном питании РПУ и отключенном кабеле USB). Электропитание 12V "
         "на "
         "РПУ можно не подавать."},
        {"Label_webaddr", MakerWebAddress},
        {"Label_emailaddr", MakerEmailAddress},
    };
    for (const auto& [name, caption] : shown) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(w.Find(name)->isVisible());
        EXPECT_EQ(CaptionOf(w.Find(name)), QString::fromUtf8(caption));
    }
    const auto* logo = w.Find<QLabel>("Logo_Image");
    EXPECT_TRUE(logo->isVisible());
    EXPECT_FALSE(logo->pixmap().isNull());
    EXPECT_EQ(logo->size(), QSize(100, 75));
    for (const char* name : {"Logo1_ZELK_lb", "logo2_ZELK_lb", "logo4_ZELK_lb"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(w.Find(name)->isVisible());
        EXPECT_FALSE(CaptionOf(w.Find(name)).isEmpty());
    }
}

TEST_F(MainWindowLayout, PagesStandInOrderWithOnlyTheMainTabShownAndActive) {
    const auto* pages = w.Find<PageControl>("MainPageC");
    const std::tuple<const char*, const char*, bool> expected[] = {
        {"MainTabSh", "Главная", true},
        {"RegistBackupTabSh", "Резервная копия", false},
        {"ReleSettingsTabSh", "Режимы реле и выхода ОК", false},
        {"ReleSettingsTabRPU", "Режимы реле и выхода ОК (РПУ в автономном режиме)", false},
    };
    ASSERT_EQ(pages->count(), 4);
    for (int index = 0; index < 4; ++index) {
        const auto& [name, caption, tabShown] = expected[index];
        SCOPED_TRACE(name);
        EXPECT_EQ(pages->widget(index), w.Find(name));
        EXPECT_EQ(pages->tabText(index), QString::fromUtf8(caption));
        EXPECT_EQ(pages->isTabVisible(index), tabShown);
    }
    EXPECT_EQ(pages->ActivePage(), w.Find("MainTabSh"));
    // Each settings page holds its inner page control of three outputs.
    EXPECT_EQ(w.Find("ReleOKPageC")->parent(), w.Find("ReleSettingsTabSh"));
    EXPECT_EQ(w.Find("ReleOKPageCRPU")->parent(), w.Find("ReleSettingsTabRPU"));
}

TEST_F(MainWindowLayout, MainPageStartsWithItsCaptionsAndHiddenParts) {
    const std::pair<const char*, const char*> captions[] = {
        {"Label_maintabsh_header_rpu",
         "Выбор режима работы, обновление или смена ПО подключенного радиоустройства"},
        {"Label_maintabsh_header_zelk", "Обновление ПО подключенного радиоустройства"},
        {"SoftUpdateGrB2", "Сведения о приборе:"},
        {"DevTypeLabel", "Тип подключенного прибора: "},
        {"CurrentSoftVerLabel", "Текущая версия ПО: "},
        {"DevOperModeGrB", "Выберите режим работы прибора: "},
        {"RPU_rb", "Радиоприемное устройство (РПУ)"},
        {"RTR_rb", "Ретранслятор + модуль реле (РТР)"},
        {"MRO_rb", "Модуль реле и оповещения (МРО)"},
        {"SoftUpdatesGroupBox", "Выберите файл ПО:"},
        {"WriteSWButton", "Обновить ПО устройства"},
        {"SoftUpdateGrB", "Сведения о файле ПО:"},
        {"NewSoftVerLabel", "Версия ПО: "},
        {"SoftFNameLabel", "Имя файла: "},
        {"SoftFTypeLabel", "Тип файла: "},
        {"SoftFDateLabel", "Дата создания файла: "},
        {"SoftFSizeLabel", "Размер файла (байт):"},
        {"DevTypeLabel2", ""},
        {"CurrentSoftVerLabel2", ""},
    };
    for (const auto& [name, caption] : captions) {
        SCOPED_TRACE(name);
        EXPECT_EQ(CaptionOf(w.Find(name)), QString::fromUtf8(caption));
    }
    const QWidget* page = w.Find("MainTabSh");
    const std::pair<const char*, bool> shown[] = {
        {"Label_maintabsh_header_rpu", true},
        {"Label_maintabsh_header_zelk", false},
        {"DevOperModeGrB", true},
        {"SoftUpdatesListBox", true},
        {"WriteSWButton", true},
        {"SoftUpdateGrB", false},
        {"TempListB2", false},
        {"Memo1", false},
    };
    for (const auto& [name, visible] : shown) {
        SCOPED_TRACE(name);
        EXPECT_EQ(w.Find(name)->isVisibleTo(page), visible);
    }
    EXPECT_FALSE(w.Find("WriteSWButton")->isEnabled());
    EXPECT_EQ(w.Find<QListWidget>("SoftUpdatesListBox")->selectionMode(),
              QAbstractItemView::SingleSelection);
    EXPECT_EQ(w.Find<QListWidget>("SoftUpdatesListBox")->count(), 0);
    EXPECT_EQ(w.Find<QListView>("TempListB2")->selectionMode(),
              QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(w.Find<QPlainTextEdit>("Memo1")->toPlainText(), "Memo1");
}

TEST_F(MainWindowLayout, BackupPageStartsWithItsCaptionsAndEnabledStates) {
    const std::tuple<const char*, const char*, bool> controls[] = {
        {"Label125",
         "Создание файла, восстановление из файла или удаление файла резервной копии памяти "
         "регистрации",
         true},
        {"RegistBackupGrB", "Сведения о приборе:", true},
        {"Dev2TypeLabel", "Тип подключенного прибора: ", true},
        {"RegistBackupModeGrB", "Действия с резервной копией:", true},
        {"RegBackupCreateButton", "Создать", false},
        {"RegBackupRestoreButton", "Восстановить", false},
        {"RegBackupDeleteButton", "Удалить", true},
        {"RegistBackupParamsGrB", "Параметры:", true},
        {"RPU_RTRRadioGr", "Режим работы в системе:", false},
        {"ObjNumLabel", "Номер объекта(системы): ", true},
        {"ModuleNumLabel", "Адрес прибора в системе:", true},
        {"RegFNameLabel", "Имя файла резервной копии:", true},
        {"ConfCodeLabel", "Код конфигурации:", true},
        {"ObjNumEdit", "", false},
        {"ModuleNumCmB", "", false},
    };
    for (const auto& [name, caption, enabled] : controls) {
        SCOPED_TRACE(name);
        EXPECT_EQ(CaptionOf(w.Find(name)), QString::fromUtf8(caption));
        EXPECT_EQ(w.Find(name)->isEnabled(), enabled);
    }
    const auto* systemMode = w.Find<RadioGroup>("RPU_RTRRadioGr");
    ASSERT_EQ(systemMode->ItemCount(), 2);
    EXPECT_EQ(systemMode->Item(0)->text(), "РПУ");
    EXPECT_EQ(systemMode->Item(1)->text(), "РТР");
    EXPECT_EQ(systemMode->ItemIndex(), -1);
    EXPECT_TRUE(w.Find<QLineEdit>("ObjNumEdit")->text().isEmpty());
    const auto* module = w.Find<QComboBox>("ModuleNumCmB");
    EXPECT_TRUE(module->isEditable());
    EXPECT_EQ(module->maxVisibleItems(), 10);
    EXPECT_EQ(module->count(), 0);
    EXPECT_TRUE(module->currentText().isEmpty());
}

TEST_F(MainWindowLayout, BottomStripHasTheStatusLineProgressAndTheLanguageButtonOnTop) {
    const auto* status = w.Find<QStatusBar>("MainStatusB");
    EXPECT_EQ(status->geometry().bottom(), w.window->rect().bottom());
    EXPECT_EQ(status->width(), w.window->width());
    EXPECT_TRUE(status->currentMessage().isEmpty());

    const auto* progress = w.Find<QProgressBar>("MainProgressB");
    EXPECT_EQ(progress->minimum(), 0);
    EXPECT_EQ(progress->maximum(), 100);
    EXPECT_EQ(progress->value(), 0);
    const QRect progressInWindow(progress->mapTo(w.window.get(), QPoint(0, 0)), progress->size());
    EXPECT_TRUE(status->geometry().contains(progressInWindow));
    EXPECT_GT(progressInWindow.left(), w.window->width() / 2);

    const auto* languages = w.Find<QComboBox>("LangCmB");
    EXPECT_EQ(ItemsOf(languages), QStringList({"Russian", "English", "Turkish"}));
    EXPECT_EQ(languages->currentText(), "Russian");
    EXPECT_EQ(CaptionOf(w.Find("LngLabel")), "Язык:");
    const QWidget* button = w.Find("btn_ChangeLang");
    EXPECT_EQ(CaptionOf(button), "Select language");
    EXPECT_TRUE(button->isEnabled());
    for (const char* covered : {"LngLabel", "LangCmB"}) {
        SCOPED_TRACE(covered);
        const QRect area = w.Find(covered)->geometry();
        EXPECT_TRUE(button->geometry().contains(area));
        EXPECT_EQ(w.window->childAt(area.center()), button);
    }
    EXPECT_LT(button->geometry().bottom(), status->geometry().top());
}

TEST_F(MainWindowLayout, StatusTextAndProgressAreSetThroughTheWindow) {
    w.window->SetStatusText(QStringLiteral("Связь с прибором установлена"));
    EXPECT_EQ(w.Find<QStatusBar>("MainStatusB")->currentMessage(), "Связь с прибором установлена");
    EXPECT_EQ(w.window->StatusText(), "Связь с прибором установлена");
    const std::pair<int, int> progress[] = {{0, 0}, {37, 37}, {100, 100}, {140, 100}, {-5, 0}};
    for (const auto& [percent, shown] : progress) {
        w.window->SetProgress(percent);
        EXPECT_EQ(w.Find<QProgressBar>("MainProgressB")->value(), shown) << percent;
    }
}

} // namespace
} // namespace tunbox
