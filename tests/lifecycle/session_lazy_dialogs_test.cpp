// GCC 12 takes the optional answers of the file dialog fakes for uninitialised
// when it builds them in this file; they are not.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

#include "session_fixture.h"

#include "assets/asset_paths.h"
#include "ui/splasher.h"

#include <QLabel>

namespace tarvik::testing {
namespace {

QList<QDialog*> builtDialogs(GameSession& session)
{
    return session.mainForm().findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
}

// The dialogs wait to be built until they are first wanted; from then on the
// same window serves every showing until the end.
TEST_F(SessionTest, OnlyTheSplashIsBuiltAtStartAndEachDialogOnceWhenFirstWanted)
{
    writeSettings("tongue=0\n");
    auto session = start();
    const QList<QDialog*> atStart = builtDialogs(*session);
    ASSERT_EQ(atStart.size(), 1);
    EXPECT_NE(qobject_cast<TSplash*>(atStart[0]), nullptr);
    // Its picture, read only when it came up, was there when it showed.
    EXPECT_EQ(session->splash().image->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
              QImage(QString::fromLatin1(assets::title)).convertToFormat(QImage::Format_RGB32));

    std::vector<QDialog*> shown;
    script.answers["TEndGameDlg"] = [&](QDialog* d) {
        shown.push_back(d);
        static_cast<TEndGameDlg*>(d)->NoBtn->click();
    };
    session->mainForm().ExitBtnClick();
    session->mainForm().ExitBtnClick();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], shown[1]);
    EXPECT_EQ(builtDialogs(*session).size(), 2);
}

// A dialog built late copies the main window's icon, as one built at start does.
TEST_F(SessionTest, ADialogBuiltLateLooksLikeOneBuiltAtStart)
{
    writeSettings("tongue=1\n");
    auto session = start();
    QString caption;
    QImage icon;
    script.answers["TEndGameDlg"] = [&](QDialog* d) {
        caption = d->windowTitle();
        icon = d->windowIcon().pixmap(32, 32).toImage();
        static_cast<TEndGameDlg*>(d)->NoBtn->click();
    };
    session->mainForm().ExitBtnClick();
    EXPECT_EQ(caption, "Tarvik Atoms");
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon, session->mainForm().windowIcon().pixmap(32, 32).toImage());
}

}  // namespace
}  // namespace tarvik::testing
