// Renders both settings pages, each output tab, to PNG files in the folder given
// as the only argument, at the size the main window gives its page area.
#include "ui/settings/RpuSettingsPage.h"
#include "ui/settings/RtrSettingsPage.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QTabWidget>

#include <cstdio>

namespace {

template <typename Page>
void RenderTabs(Page& page, const QString& folder, const QString& stem)
{
    for (int i = 0; i < page.Tabs()->count(); ++i) {
        page.Tabs()->setCurrentIndex(i);
        const QString file = QStringLiteral("%1/%2-%3.png").arg(folder, stem).arg(i + 1);
        page.grab().save(file);
        std::printf("%s\n", qPrintable(file));
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    const QSize pageArea(660, 515);
    tunbox::RtrSettingsPage rtr;
    rtr.resize(pageArea);
    rtr.show();
    std::printf("rtr size hint %dx%d\n", rtr.sizeHint().width(), rtr.sizeHint().height());
    RenderTabs(rtr, folder, QStringLiteral("rtr-initial"));

    tunbox::RpuSettingsPage rpu;
    rpu.resize(pageArea);
    rpu.show();
    std::printf("rpu size hint %dx%d\n", rpu.sizeHint().width(), rpu.sizeHint().height());
    RenderTabs(rpu, folder, QStringLiteral("rpu-initial"));
    return 0;
}
