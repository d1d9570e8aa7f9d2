#include "ui/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace tarvik {

void showErrorBox(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"), text, QMessageBox::NoButton, parent);
    // Data such as file names is shown as it is, never as markup.
    box.setTextFormat(Qt::PlainText);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

void QtMessageBoxes::showError(const QString& text) { showErrorBox(parent_, text); }

bool QtMessageBoxes::askYesNo(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Warnung"), text, QMessageBox::NoButton, parent_);
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace tarvik
