#include "ui/SecretWidgets.h"

#include "model/SecretText.h"
#include "ui/FieldLabel.h"

#include <QLabel>
#include <QLineEdit>

namespace SecretWidgets {

void wipe(QWidget *root)
{
    // A field label's own copy of its value goes first, so that the label's text is the last holder.
    for (FieldLabel *label : root->findChildren<FieldLabel *>())
        label->wipe();
    for (FittedLabel *label : root->findChildren<FittedLabel *>())
        label->wipe();
    for (QLabel *label : root->findChildren<QLabel *>()) {
        QString text = label->text();
        label->clear();
        SecretText::wipe(text);
    }
    for (QLineEdit *edit : root->findChildren<QLineEdit *>()) {
        QString text = edit->text();
        edit->setText(QString());
        SecretText::wipe(text);
    }
}

} // namespace SecretWidgets
