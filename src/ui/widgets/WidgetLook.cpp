#include "ui/widgets/WidgetLook.h"

#include <QCoreApplication>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPalette>

namespace tunbox {

QFont WindowFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

QString AccessibleFromCaption(const QString& caption) {
    QString name = caption.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

void SetCaptionNames(QWidget* widget, const QString& caption, const QString& hint) {
    widget->setAccessibleName(AccessibleFromCaption(caption));
    if (!hint.isEmpty()) {
        widget->setToolTip(hint);
        widget->setAccessibleDescription(hint);
    }
}

void AddLabelPair(QGridLayout* grid, int row, QLabel* caption, QLabel* value) {
    caption->setTextFormat(Qt::PlainText);
    value->setTextFormat(Qt::PlainText);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(caption, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(value, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
}

void SetPairCaption(QLabel* caption, QLabel* value, const QString& text) {
    caption->setText(text);
    caption->setAccessibleName(AccessibleFromCaption(text));
    value->setAccessibleName(QCoreApplication::translate("tunbox::WidgetLook", "%1 — значение")
                                 .arg(AccessibleFromCaption(text)));
}

void MakeBold(QWidget* widget) {
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

void MakeUnderlined(QWidget* widget) {
    QFont font = widget->font();
    font.setUnderline(true);
    widget->setFont(font);
}

void EnlargeFont(QWidget* widget, int pixels) {
    QFont font = widget->font();
    if (font.pixelSize() > 0)
        font.setPixelSize(font.pixelSize() + pixels);
    widget->setFont(font);
}

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::WindowText, color);
        palette.setColor(group, QPalette::Text, color);
        palette.setColor(group, QPalette::ButtonText, color);
    }
    widget->setPalette(palette);
}

void SetEnabled(std::initializer_list<QWidget*> widgets, bool enabled) {
    for (QWidget* widget : widgets)
        widget->setEnabled(enabled);
}

} // namespace tunbox
