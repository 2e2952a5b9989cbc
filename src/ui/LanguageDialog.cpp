#include "ui/LanguageDialog.h"

#include "ui/widgets/WidgetLook.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace tunbox {

LanguageDialog::LanguageDialog(const LanguageDialogRequest& request, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("LaLanguageDialog"));
    setModal(true);

    List = Named(new QListWidget(this), "List");
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    // The lines come sorted; each is drawn in its own language's script, which
    // Unicode text gives without further work.
    List->addItems(request.items);
    if (request.selected >= 0 && request.selected < List->count())
        List->setCurrentRow(request.selected);
    else if (List->count() > 0)
        List->setCurrentRow(0);

    OkButton = Named(new QPushButton(this), "OkButton");
    OkButton->setDefault(true);
    CancelButton = Named(new QPushButton(this), "CancelButton");
    connect(OkButton, &QPushButton::clicked, this, [this] {
        if (List->currentRow() >= 0)
            accept();
    });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(List, &QListWidget::itemDoubleClicked, this, [this] { accept(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List);
    layout->addLayout(buttons);

    RetranslateUi();
    // The list shows every line whole, at least six of them.
    const int rows = std::max(List->count(), 6);
    List->setFixedSize(std::max(List->sizeHintForColumn(0) + 2 * List->frameWidth() + 24, 260),
                       rows * List->sizeHintForRow(0) + 2 * List->frameWidth() + 4);
    setFixedSize(sizeHint());
}

int LanguageDialog::ChosenIndex() const {
    return result() == QDialog::Accepted ? List->currentRow() : -1;
}

void LanguageDialog::RetranslateUi() {
    setWindowTitle(tr("Select language"));
    OkButton->setText(tr("OK"));
    CancelButton->setText(tr("Отмена"));
    List->setAccessibleName(windowTitle());
}

void LanguageDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QDialog::changeEvent(event);
}

} // namespace tunbox
