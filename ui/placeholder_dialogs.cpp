#include "ui/placeholder_dialogs.h"

#include <QMessageBox>
#include <QPushButton>

#include "text/tongue.h"

namespace tarvik {

PlaceholderDialogs::PlaceholderDialogs(QWidget* parent, std::function<int()> tongue)
    : parent_(parent), tongue_(std::move(tongue))
{
}

void PlaceholderDialogs::tell(const char* german, const char* english)
{
    QMessageBox box(parent_);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromUtf8(pick(tongue_(), german, english)));
    box.exec();
}

bool PlaceholderDialogs::askYesNo(const char* german, const char* english)
{
    const int tongue = tongue_();
    QMessageBox box(parent_);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromUtf8(pick(tongue, german, english)));
    QPushButton* yes = box.addButton(QString::fromUtf8(isGerman(tongue) ? "Ja" : "Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QString::fromUtf8(isGerman(tongue) ? "Nein" : "No"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void PlaceholderDialogs::showSolved()
{
    tell("Hurra, geschafft!", "Hurrah, you did it!");
}

void PlaceholderDialogs::showAllSolved()
{
    tell("Alle Baupläne gelöst!", "All construction plans solved!");
}

bool PlaceholderDialogs::confirmRestart()
{
    return askYesNo("Willst Du die Stufe wirklich aufgeben?", "Do you really want to give up the level?");
}

bool PlaceholderDialogs::confirmStartOver()
{
    return askYesNo("Willst Du das Spiel wirklich von vorne beginnen?",
                    "Do you really want to start at the beginning?");
}

}  // namespace tarvik
