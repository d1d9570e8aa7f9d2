#include "lifecycle/qt_file_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace tarvik {
namespace {

// Once the file dialog is up, looks at it and then closes it as the player would.
void whenFileDialogShows(std::function<void(QFileDialog&)> look)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, look] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            dialog && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            look(*dialog);
        }
    });
    poll->start();
}

TEST(FileDialogs, OpenDialogOffersOneFilterWhoseLabelIsTheGermanNameAlone)
{
    QTemporaryDir folder;
    QtFileDialogs dialogs(nullptr);
    QStringList labels;
    QString shownFolder;
    whenFileDialogShows([&](QFileDialog& dialog) {
        if (auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
            for (int i = 0; i < types->count(); ++i)
                labels << types->itemText(i);
        shownFolder = dialog.directory().absolutePath();
        dialog.reject();
    });
    EXPECT_FALSE(dialogs.askOpenName(folder.path()));
    EXPECT_EQ(labels, QStringList{QStringLiteral("Tarvik Atoms-Dateien")});
    EXPECT_EQ(shownFolder, folder.path());
}

TEST(FileDialogs, SaveDialogShowsTheFolderAndNameItIsGivenAndReturnsTheChoice)
{
    QTemporaryDir folder;
    QtFileDialogs dialogs(nullptr);
    QString shownFolder;
    QString shownName;
    whenFileDialogShows([&](QFileDialog& dialog) {
        shownFolder = dialog.directory().absolutePath();
        if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            shownName = name->text();
        static_cast<QDialog&>(dialog).accept();
    });
    const auto chosen = dialogs.askSaveName(folder.path(), QStringLiteral("old.tkx"));
    EXPECT_EQ(shownFolder, folder.path());
    EXPECT_EQ(shownName, "old.tkx");
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, folder.filePath("old.tkx"));
}

}  // namespace
}  // namespace tarvik
