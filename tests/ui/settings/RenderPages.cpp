// Renders both settings pages, each output tab, to PNG files in the folder given
// as the only argument, at the size the main window gives a page: first
// as the window first shows them, then after the factory defaults.
#include "app/BuiltInMessages.h"
#include "app/MessageTable.h"
#include "ui/settings/RpuSettingsPage.h"
#include "ui/settings/RtrSettingsPage.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLocale>
#include <QTabWidget>

#include <cstdio>

namespace {

template <typename Page> void RenderTabs(Page& page, const QString& folder, const QString& stem) {
    for (int i = 0; i < page.Tabs()->count(); ++i) {
        page.Tabs()->setCurrentIndex(i);
        const QString file = QStringLiteral("%1/%2-%3.png").arg(folder, stem).arg(i + 1);
        page.grab().save(file);
        std::printf("%s\n", qPrintable(file));
    }
}

template <typename Page> void RenderStates(Page& page, const QString& folder, const QString& name) {
    page.resize(654, 517);
    page.show();
    std::printf("%s size hint %dx%d\n", qPrintable(name), page.sizeHint().width(),
                page.sizeHint().height());
    RenderTabs(page, folder, name + QStringLiteral("-initial"));
    page.ApplyFactoryDefaults();
    RenderTabs(page, folder, name + QStringLiteral("-defaults"));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11); // the main window's font
    QApplication::setFont(font);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    for (int id = tunbox::FirstBuiltInMessageId; id <= tunbox::LastBuiltInMessageId; ++id)
        tunbox::Messages().SetText(id, tunbox::BuiltInMessage(id));

    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    tunbox::RtrSettingsPage rtr;
    RenderStates(rtr, folder, QStringLiteral("rtr"));
    tunbox::RpuSettingsPage rpu;
    RenderStates(rpu, folder, QStringLiteral("rpu"));
    return 0;
}
