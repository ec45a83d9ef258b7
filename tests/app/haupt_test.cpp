#include "app/global_state.h"
#include "app/haupt.h"
#include "app/language.h"
#include "app/options.h"
#include "ui/daten.h"
#include "ui/picture_button.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A main screen over the generated pictures, with a fresh home for its files.
class MainScreen : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        qputenv("HOME", home.path().toLocal8Bit());
        languageState() = LanguageState{};
        optionsRecord() = OptionsRecord{};
        haupt = std::make_unique<THaupt>(QStringList{"win"});
        languageState().language = GetParam();
        const QString program = QDir(VELMORA_BUILD_DATA).absoluteFilePath("..") + QDir::separator();
        ASSERT_TRUE(daten.LoadPictureLists(QDir::cleanPath(program) + QDir::separator(),
                                           globalState().displayWidth, GetParam()));
        haupt->setResources(&daten);
    }
    void TearDown() override { haupt.reset(); }
    QString optionsFile() const { return globalState().userDataFolder + "optionen.cfg"; }

    QTemporaryDir home;
    TDaten daten;
    std::unique_ptr<THaupt> haupt;
};

TEST_P(MainScreen, FreshHomeGetsDataFolderAndOptionsAtTheEnd) {
    const QString sep = QDir::separator();
    EXPECT_EQ(globalState().userDataFolder,
              home.path() + sep + "Documents" + sep + "Velmora" + sep + "Zavor" + sep + "Daten" + sep);
    EXPECT_TRUE(QDir(globalState().userDataFolder).exists());
    EXPECT_FALSE(QFile::exists(optionsFile())); // never written while running
    haupt->show();
    QTest::keyClick(haupt.get(), Qt::Key_Escape);
    EXPECT_FALSE(haupt->isVisible());
    QFile f(optionsFile());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("\x01\x00\x00\x00\x1e\x00\x00\x00", 8));
}

TEST_P(MainScreen, LayoutCaptionsAndButtonVisibility) {
    haupt->show();
    const MainLayout& l = haupt->layout();
    EXPECT_EQ(haupt->geometry().size(), QSize(1024, 768));
    EXPECT_EQ(haupt->backpanel->geometry(), l.backpanel);
    EXPECT_EQ(haupt->Tor1->geometry(), l.tor1);
    EXPECT_EQ(haupt->Hilfebutton->geometry(), l.hilfe);
    EXPECT_EQ(haupt->Tor1->size(), daten.scheme(16).size());
    EXPECT_EQ(haupt->Benutzerbutton->size(), daten.scheme(0).size());
    // Everything fits on the panel.
    const QRect panel(QPoint(0, 0), l.backpanel.size());
    for (QWidget* w : std::initializer_list<QWidget*>{haupt->Tor1, haupt->Tor2, haupt->Benutzerbutton,
                                                      haupt->Exitbutton, haupt->Hilfebutton,
                                                      haupt->Einstellungenbutton, haupt->Logo1})
        EXPECT_TRUE(panel.contains(w->geometry())) << w->geometry().x() << "," << w->geometry().y();
    EXPECT_EQ(haupt->Exitbutton->text(), GetParam() == German ? "Ende" : "Quit");
    EXPECT_EQ(haupt->Einzelstatistikbutton->text(),
              GetParam() == German ? "Einzelstatistik" : "Single statistics");

    haupt->ShowMainButtons(false);
    for (PictureButton* b : {haupt->Benutzerbutton, haupt->Einstellungenbutton, haupt->Einzelstatistikbutton,
                             haupt->Gesamtstatistikbutton, haupt->Hilfebutton, haupt->Exitbutton, haupt->Tor1,
                             haupt->Tor2})
        EXPECT_FALSE(b->isVisible());
    EXPECT_TRUE(haupt->Logo1->isVisible());
    EXPECT_TRUE(haupt->backpanel->isVisible());
    haupt->ShowMainButtons(true);
    EXPECT_TRUE(haupt->Tor2->isVisible());
}

TEST_P(MainScreen, QuitButtonEndsWithoutQuestionAndOtherKeysDoNothing) {
    haupt->show();
    QTest::keyClick(haupt.get(), Qt::Key_A);
    QTest::keyClick(haupt.get(), Qt::Key_Return);
    EXPECT_TRUE(haupt->isVisible());
    QTest::mouseClick(haupt->Exitbutton, Qt::LeftButton);
    EXPECT_FALSE(haupt->isVisible());
    EXPECT_TRUE(QFile::exists(optionsFile()));
}

TEST_P(MainScreen, StoredOptionsSurviveARun) {
    haupt.reset();
    const QString folder = globalState().userDataFolder;
    QFile f(folder + "optionen.cfg");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\x00\x00\x00\x00\x63\x00\x00\x00", 8));
    f.close();
    // A "debug" size that is not a whole number must not stop the start-up before the
    // options are read.
    haupt = std::make_unique<THaupt>(QStringList{"debug", "8x0", "600"});
    EXPECT_EQ(globalState().displayWidth, 1024);
    EXPECT_EQ(globalState().displayHeight, 768);
    EXPECT_EQ(optionsRecord(), (OptionsRecord{0, 99}));
    haupt->close();
    EXPECT_EQ(LoadOptionen(folder + "optionen.cfg"), (OptionsRecord{0, 99}));
}

INSTANTIATE_TEST_SUITE_P(Languages, MainScreen, ::testing::Values(int(German), int(English)),
                         [](const auto& info) { return info.param == German ? "German" : "English"; });

} // namespace
