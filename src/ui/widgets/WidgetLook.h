#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <initializer_list>

class QGridLayout;
class QLabel;

namespace tunbox {

// The font of the window and every control in it; tests and screenshots judge
// layouts in it too.
QFont WindowFont();

// Colours of the window's texts.
inline const QColor WelcomeGreen{0x00, 0x80, 0x00};
inline const QColor HeadingBlue{0x00, 0x00, 0xD0};
inline const QColor WarningRed{0xD0, 0x00, 0x00};

// Gives a control its object name, by which the workflows and tests find it.
template <typename W> W* Named(W* widget, const char* objectName) {
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

// The accessible name of a control: its caption without surrounding blanks
// and without a trailing colon.
QString AccessibleFromCaption(const QString& caption);

// Sets caption-derived accessible name and, when not empty, the hint shown as tooltip.
void SetCaptionNames(QWidget* widget, const QString& caption, const QString& hint = {});

// A caption label and its value label on one row of grid: caption on the left,
// value on the right. The value starts empty; its workflow fills it.
void AddLabelPair(QGridLayout* grid, int row, QLabel* caption, QLabel* value);

// Captions a label pair; the value label is named after its caption for
// assistive tools.
void SetPairCaption(QLabel* caption, QLabel* value, const QString& text);

// These change the font the widget has now, so call them once it sits in the window.
void MakeBold(QWidget* widget);
void MakeUnderlined(QWidget* widget);
void EnlargeFont(QWidget* widget, int pixels);

// Enables or disables every widget of the list (a workflow's many buttons at once).
void SetEnabled(std::initializer_list<QWidget*> widgets, bool enabled);

// Text colour in every state, so a control keeps it inside a disabled group.
void SetTextColor(QWidget* widget, const QColor& color);

} // namespace tunbox
